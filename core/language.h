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

// The language the environment asks for, as gettext reads it: the first set one of
// LANGUAGE (a colon-separated list of preferences), LC_ALL, LC_MESSAGES and LANG
// decides; a language without a catalogue, "C" or nothing set gives English.
Language LanguageOfEnvironment(const char* language, const char* lcAll, const char* lcMessages, const char* lang);
// The same, read from this process's environment.
Language LanguageOfProcessEnvironment();

}  // namespace tervolin
