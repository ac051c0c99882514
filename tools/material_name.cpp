#include "material_name.h"

#include "data/utf8_text.h"

#include <algorithm>

namespace tervolin::tables {
namespace {

bool IsControlCharacter(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte < 0x20 || byte == 0x7F;
}

}  // namespace

std::optional<std::string> UnsafeNameReason(const std::string& name) {
  if (name.empty()) return "the name is empty";
  if (name == "." || name == "..") return "\".\" and \"..\" are not file names";
  if (name.size() > kLongestMaterialName)
    return "the name is longer than " + std::to_string(kLongestMaterialName) + " bytes";
  if (name.front() == '-') return "the name begins with \"-\"";
  if (name.find_first_of("/\\") != std::string::npos) return "the name contains \"/\" or \"\\\"";
  if (std::any_of(name.begin(), name.end(), IsControlCharacter))
    return "the name contains a control character";
  if (!IsDisplayableText(name)) return "the name is not UTF-8 text";
  return std::nullopt;
}

}  // namespace tervolin::tables
