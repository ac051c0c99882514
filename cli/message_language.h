#pragma once
// tervolin-calc words its messages in the language its environment asks for, as
// gettext chooses it (TerminalLanguageOfEnvironment): Japanese where the locale, or
// LANGUAGE in a locale other than "C", asks for it and the terminal's characters are
// UTF-8, English otherwise. Its output (CSV column names, --figures names) is English
// in both.

#include <string>
#include <vector>

#include "core/language.h"
#include "core/text_catalogue.h"

namespace tervolin::cli {

inline Language MessageLanguage() { return TerminalLanguageOfProcessEnvironment(); }

// The catalogue's text of `id` in the run's language, "{n}" filled in.
inline std::string Message(TextId id, const std::vector<std::string>& parameters = {}) {
  return TextOf(id, parameters, MessageLanguage());
}

}  // namespace tervolin::cli
