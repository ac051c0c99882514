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

std::string Filled(const char* text, const std::vector<std::string>& parameters) {
  std::string filled;
  for (const char* c = text; *c != '\0'; ++c) {
    const std::size_t n = c[0] == '{' && c[1] >= '1' && c[1] <= '9' && c[2] == '}' ? c[1] - '0' : 0;
    if (n == 0 || n > parameters.size()) {
      filled += *c;
      continue;
    }
    filled += parameters[n - 1];
    c += 2;
  }
  return filled;
}

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

const CatalogueEntry& CatalogueEntryOf(TextId id, Language language) {
  return CatalogueOf(language)[static_cast<std::size_t>(id)];
}

std::string TextOf(TextId id, const std::vector<std::string>& parameters, Language language) {
  return Filled(CatalogueEntryOf(id, language).text, parameters);
}

std::string TextOf(TextId id, Language language) { return TextOf(id, {}, language); }

}  // namespace tervolin
