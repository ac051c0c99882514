#pragma once
// tervolin-tables words its messages in the language its environment asks for, as
// tervolin-calc does (Message, core/message_language.h). The tables it writes, and its
// usage text, are the same in both.

#include <string>

#include "core/message_language.h"
#include "data/file_replacement.h"
#include "data/replacement_messages.h"

namespace tervolin::tables {

// Why a system call failed, from its errno value, in the run's language: the system's
// own words in English.
inline std::string SystemErrorText(int error) {
  return ReplacementFailureReason(FileReplacementFailure{FileReplacementFailure::Check, error},
                                  MessageLanguage());
}

}  // namespace tervolin::tables
