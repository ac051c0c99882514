#pragma once
// tervolin-calc words its messages in the language its environment asks for: Japanese
// where LANGUAGE, LC_ALL, LC_MESSAGES or LANG (the first set one) is Japanese, English
// otherwise. Its output (CSV column names, --figures names) is English in both.

#include <string>
#include <vector>

#include "core/language.h"
#include "core/text_catalogue.h"

namespace tervolin::cli {

inline Language MessageLanguage() { return LanguageOfProcessEnvironment(); }

// The catalogue's text of `id` in the run's language, "{n}" filled in.
inline std::string Message(TextId id, const std::vector<std::string>& parameters = {}) {
  return TextOf(id, parameters, MessageLanguage());
}

}  // namespace tervolin::cli
