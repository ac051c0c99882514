#include "core/language.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace tervolin {

namespace {

bool IsSet(const char* value) { return value != nullptr && *value != '\0'; }

}  // namespace

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
