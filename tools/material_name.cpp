#include "material_name.h"

#include "message_language.h"

#include "data/utf8_text.h"

#include <algorithm>
#include <string_view>

namespace tervolin::tables {

std::optional<std::string> UnsafeNameReason(const std::string& name) {
  if (name.empty()) return Message(TextId::kTablesNameEmpty);
  if (name == "." || name == "..") return Message(TextId::kTablesNameDots);
  if (name.size() > kLongestMaterialName)
    return Message(TextId::kTablesNameTooLong, {std::to_string(kLongestMaterialName)});
  if (name.front() == '-') return Message(TextId::kTablesNameLeadingDash);
  if (name.find_first_of("/\\") != std::string::npos) return Message(TextId::kTablesNameSlash);
  // Byte by byte, before the UTF-8 check: a C0 control or DEL is named as such.
  if (std::any_of(name.begin(), name.end(), [](char c) { return IsControlCharacter(std::string_view(&c, 1)); }))
    return Message(TextId::kTablesNameControl);
  if (!IsDisplayableText(name)) return Message(TextId::kTablesNameNotUtf8);
  bool blank = false;
  for (std::size_t i = 0; i < name.size();) {
    const std::string_view rest = std::string_view(name).substr(i);
    const std::string_view character = rest.substr(0, Utf8CharacterLength(rest));
    if (IsFormatCharacter(CodePoint(character)))
      return Message(TextId::kTablesNameFormatCharacter, {EscapedCharacter(character)});
    blank = IsBlankCharacter(CodePoint(character));
    if (blank && i == 0) return Message(TextId::kTablesNameLeadingBlank);
    i += character.size();
  }
  if (blank) return Message(TextId::kTablesNameTrailingBlank);
  return std::nullopt;
}

}  // namespace tervolin::tables
