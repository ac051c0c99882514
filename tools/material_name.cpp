#include "material_name.h"

#include "data/utf8_text.h"

#include <algorithm>
#include <string_view>

namespace tervolin::tables {

std::optional<std::string> UnsafeNameReason(const std::string& name) {
  if (name.empty()) return "the name is empty";
  if (name == "." || name == "..") return "\".\" and \"..\" are not file names";
  if (name.size() > kLongestMaterialName)
    return "the name is longer than " + std::to_string(kLongestMaterialName) + " bytes";
  if (name.front() == '-') return "the name begins with \"-\"";
  if (name.find_first_of("/\\") != std::string::npos) return "the name contains \"/\" or \"\\\"";
  // Byte by byte, before the UTF-8 check: a C0 control or DEL is named as such.
  if (std::any_of(name.begin(), name.end(), [](char c) { return IsControlCharacter(std::string_view(&c, 1)); }))
    return "the name contains a control character";
  if (!IsDisplayableText(name)) return "the name is not UTF-8 text";
  bool blank = false;
  for (std::size_t i = 0; i < name.size();) {
    const std::string_view rest = std::string_view(name).substr(i);
    const std::string_view character = rest.substr(0, Utf8CharacterLength(rest));
    if (IsFormatCharacter(CodePoint(character)))
      return "the name contains the invisible format character " + EscapedCharacter(character) +
             " (a bidirectional control, a zero-width character or the like)";
    blank = IsBlankCharacter(CodePoint(character));
    if (blank && i == 0) return "the name begins with blank space";
    i += character.size();
  }
  if (blank) return "the name ends with blank space";
  return std::nullopt;
}

}  // namespace tervolin::tables
