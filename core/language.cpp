#include "core/language.h"

#include <cstdlib>
#include <string>

#include "core/text_catalogue.h"

namespace tervolin {

namespace {

struct LanguageEntry {
  Language language;
  const char* code;  // ISO 639-1
  const char* name;  // in the language itself
  const Catalogue* texts;
};

// The table of languages: a language is its catalogue file and one line here.
constexpr LanguageEntry kLanguages[] = {
    {Language::kJapanese, "ja", "日本語", &kJapaneseTexts},
    {Language::kEnglish, "en", "English", &kEnglishTexts},
};

const LanguageEntry& EntryOf(Language language) { return kLanguages[static_cast<std::size_t>(language)]; }

bool IsSet(const char* value) { return value != nullptr && *value != '\0'; }

}  // namespace

const char* LanguageCode(Language language) { return EntryOf(language).code; }
const char* LanguageName(Language language) { return EntryOf(language).name; }
const Catalogue& CatalogueOf(Language language) { return *EntryOf(language).texts; }

std::vector<Language> AllLanguages() {
  std::vector<Language> all;
  for (const LanguageEntry& entry : kLanguages) all.push_back(entry.language);
  return all;
}

std::optional<Language> LanguageOfCode(std::string_view locale) {
  const std::string_view code = locale.substr(0, locale.find_first_of("_.@-"));
  for (const LanguageEntry& entry : kLanguages) {
    if (code == entry.code) return entry.language;
  }
  return std::nullopt;
}

Language LanguageOfEnvironment(const char* language, const char* lcAll, const char* lcMessages, const char* lang) {
  if (IsSet(language)) {
    const std::string_view list(language);
    for (std::size_t start = 0; start <= list.size();) {
      const std::size_t end = std::min(list.find(':', start), list.size());
      if (const auto found = LanguageOfCode(list.substr(start, end - start))) return *found;
      start = end + 1;
    }
  }
  for (const char* value : {lcAll, lcMessages, lang}) {
    if (IsSet(value)) return LanguageOfCode(value).value_or(Language::kEnglish);
  }
  return Language::kEnglish;
}

Language LanguageOfProcessEnvironment() {
  return LanguageOfEnvironment(std::getenv("LANGUAGE"), std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"),
                               std::getenv("LANG"));
}

}  // namespace tervolin
