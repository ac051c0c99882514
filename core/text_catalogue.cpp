#include "core/text_catalogue.h"

namespace tervolin {

namespace {

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

const CatalogueEntry& CatalogueEntryOf(TextId id, Language language) {
  return CatalogueOf(language)[static_cast<std::size_t>(id)];
}

std::string TextOf(TextId id, const std::vector<std::string>& parameters, Language language) {
  return Filled(CatalogueEntryOf(id, language).text, parameters);
}

std::string TextOf(TextId id, Language language) { return TextOf(id, {}, language); }

}  // namespace tervolin
