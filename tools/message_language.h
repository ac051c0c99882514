#pragma once
// tervolin-tables words its messages in the language its environment asks for, as
// tervolin-calc does (TerminalLanguageOfEnvironment): Japanese where the locale, or
// LANGUAGE in a locale other than "C", asks for it and the terminal's characters are
// UTF-8, English otherwise. The tables it writes, and its usage text, are the same in
// both.

#include <string>
#include <vector>

#include "core/language.h"
#include "core/text_catalogue.h"
#include "data/file_replacement.h"
#include "data/replacement_messages.h"

namespace tervolin::tables {

// The catalogue's text of `id` in the run's language, "{n}" filled in.
inline std::string Message(TextId id, const std::vector<std::string>& parameters = {}) {
  return TextOf(id, parameters, TerminalLanguageOfProcessEnvironment());
}

// Why a system call failed, from its errno value, in the run's language: the system's
// own words in English.
inline std::string SystemErrorText(int error) {
  return ReplacementFailureReason(FileReplacementFailure{FileReplacementFailure::Check, error},
                                  TerminalLanguageOfProcessEnvironment());
}

}  // namespace tervolin::tables
