#pragma once
// The command-line programs (tervolin-calc, tervolin-tables) word their messages in the
// language their environment asks for, as gettext chooses it
// (TerminalLanguageOfEnvironment): Japanese where the locale, or LANGUAGE in a locale
// other than "C", asks for it and the terminal's characters are UTF-8, English
// otherwise. What they write as output
// (CSV columns, --figures names, tables) is the same in both.

#include <string>
#include <vector>

#include "core/language.h"
#include "core/text_catalogue.h"

namespace tervolin {

// The language of this process's environment, for its messages.
Language MessageLanguage();

// The catalogue's text of `id` in that language, "{n}" filled in.
std::string Message(TextId id, const std::vector<std::string>& parameters = {});

}  // namespace tervolin
