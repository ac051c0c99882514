#include "core/language.h"

#include <algorithm>
#include <cctype>
#include <initializer_list>
#include <cstdlib>
#include <string>
#include <string_view>

namespace tervolin {

namespace {

bool IsSet(const char* value) { return value != nullptr && *value != '\0'; }

// The first set one of the values, or nothing.
const char* FirstSet(std::initializer_list<const char*> values) {
  for (const char* value : values) {
    if (IsSet(value)) return value;
  }
  return nullptr;
}

bool IsPlainLocale(std::string_view locale) { return locale == "C" || locale == "POSIX"; }

// Whether the locale's characters are UTF-8: "ja_JP.UTF-8", "en_US.utf8", "C.UTF-8",
// or a locale that names no character set and is not "C" or "POSIX".
bool IsUtf8Locale(std::string_view locale) {
  if (IsPlainLocale(locale)) return false;
  const std::size_t dot = locale.find('.');
  if (dot == std::string_view::npos) return true;
  std::string set;
  for (const char c : locale.substr(dot + 1, locale.find('@', dot) - dot - 1)) {
    if (c != '-' && c != '_') set += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return set == "utf8";
}

}  // namespace

Language LanguageOfEnvironment(const char* language, const char* lcAll, const char* lcMessages, const char* lang) {
  const char* locale = FirstSet({lcAll, lcMessages, lang});
  if (locale == nullptr || IsPlainLocale(locale)) return Language::kEnglish;
  if (IsSet(language)) {
    const std::string_view list(language);
    for (std::size_t start = 0; start <= list.size();) {
      const std::size_t end = std::min(list.find(':', start), list.size());
      if (const auto found = LanguageOfCode(list.substr(start, end - start))) return *found;
      start = end + 1;
    }
  }
  return LanguageOfCode(locale).value_or(Language::kEnglish);
}

Language LanguageOfProcessEnvironment() {
  return LanguageOfEnvironment(std::getenv("LANGUAGE"), std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"),
                               std::getenv("LANG"));
}

Language TerminalLanguageOfEnvironment(const char* language, const char* lcAll, const char* lcMessages,
                                       const char* lcCtype, const char* lang) {
  const char* characters = FirstSet({lcAll, lcCtype, lang});
  if (characters == nullptr || !IsUtf8Locale(characters)) return Language::kEnglish;
  return LanguageOfEnvironment(language, lcAll, lcMessages, lang);
}

Language TerminalLanguageOfProcessEnvironment() {
  return TerminalLanguageOfEnvironment(std::getenv("LANGUAGE"), std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"),
                                       std::getenv("LC_CTYPE"), std::getenv("LANG"));
}

}  // namespace tervolin
