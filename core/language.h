#pragma once
// The languages the program speaks, and which one a user's locale asks for. The
// language is a value a front end passes to the library with each text it asks for;
// nothing in the library remembers one. The table of languages, with their codes,
// names and catalogues, is in core/text_catalogue.cpp.

#include <optional>
#include <string_view>
#include <vector>

namespace tervolin {

// One enumerator per catalogue (core/texts_*.cpp), in the order of kLanguages.
enum class Language { kJapanese, kEnglish };

// A language's code as locales and web pages name it ("ja", "en"); its own name, as a
// switch offers it ("日本語", "English").
const char* LanguageCode(Language language);
const char* LanguageName(Language language);

// Every language, in the order of the enumeration.
std::vector<Language> AllLanguages();

// The language of a code or a locale's name ("ja", "ja_JP.UTF-8", "en_GB", "C"), or
// none when the program has no catalogue for it.
std::optional<Language> LanguageOfCode(std::string_view locale);

// The language the environment asks for, as gettext reads it: the locale of messages
// is the first set one of LC_ALL, LC_MESSAGES and LANG; in it LANGUAGE (a
// colon-separated list of preferences) decides, the locale's own language else. The
// locale "C" or "POSIX", or none set, ignores LANGUAGE and gives English, and so does
// a language without a catalogue.
Language LanguageOfEnvironment(const char* language, const char* lcAll, const char* lcMessages, const char* lang);
// The same, read from this process's environment.
Language LanguageOfProcessEnvironment();

// The language of messages written to a terminal: LanguageOfEnvironment's, but
// English where the locale of characters (the first set one of LC_ALL, LC_CTYPE and
// LANG) names a character set other than UTF-8 ("ja_JP.eucJP", "ja_JP.SJIS"), or is
// "C" or "POSIX" (ASCII): such a terminal would show the catalogue's UTF-8 Japanese as
// garbage, where it shows the English texts nearly whole. A locale that names no set
// ("ja_JP") is taken as UTF-8, as systems are set up today.
Language TerminalLanguageOfEnvironment(const char* language, const char* lcAll, const char* lcMessages,
                                       const char* lcCtype, const char* lang);
// The same, read from this process's environment: tervolin-calc's and tervolin-tables'.
Language TerminalLanguageOfProcessEnvironment();

}  // namespace tervolin
