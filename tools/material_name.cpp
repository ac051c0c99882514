#include "material_name.h"

#include "message_language.h"

#include "data/utf8_text.h"

#include <algorithm>
#include <string_view>

namespace tervolin::tables {

namespace {

// Why one well-formed character may not stand in a name (`first`: at its start).
std::optional<std::string> CharacterReason(std::string_view character, bool first) {
  const char32_t c = CodePoint(character);
  const std::string shown = EscapedCharacter(character);
  if (IsControlCharacter(character)) return Message(TextId::kTablesNameControl);
  if (IsFormatCharacter(c)) return Message(TextId::kTablesNameFormatCharacter, {shown});
  if (IsHiddenCharacter(c)) return Message(TextId::kTablesNameHiddenCharacter, {shown});
  if (first && IsCombiningMark(c)) return Message(TextId::kTablesNameBeginsWithMark, {EscapedName(character)});
  return std::nullopt;
}

}  // namespace

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
  bool blank = false;
  for (std::size_t i = 0; i < name.size();) {
    const std::string_view rest = std::string_view(name).substr(i);
    const std::size_t length = Utf8CharacterLength(rest);
    if (length == 0) return Message(TextId::kTablesNameNotUtf8);
    const std::string_view character = rest.substr(0, length);
    if (auto reason = CharacterReason(character, i == 0)) return reason;
    blank = IsBlankCharacter(CodePoint(character));
    if (blank && i == 0) return Message(TextId::kTablesNameLeadingBlank);
    i += length;
  }
  if (blank) return Message(TextId::kTablesNameTrailingBlank);
  return std::nullopt;
}

}  // namespace tervolin::tables
