#include "data/utf8_text.h"

namespace tervolin {

namespace {

// Well-formed UTF-8 by its first byte: the second byte's range and the length.
struct Utf8Lead {
  unsigned char first, last, low, high;
  std::size_t length;
};
constexpr Utf8Lead kUtf8Leads[] = {
    {0xC2, 0xDF, 0x80, 0xBF, 2}, {0xE0, 0xE0, 0xA0, 0xBF, 3}, {0xE1, 0xEC, 0x80, 0xBF, 3},
    {0xED, 0xED, 0x80, 0x9F, 3}, {0xEE, 0xEF, 0x80, 0xBF, 3}, {0xF0, 0xF0, 0x90, 0xBF, 4},
    {0xF1, 0xF3, 0x80, 0xBF, 4}, {0xF4, 0xF4, 0x80, 0x8F, 4},
};

unsigned char Byte(std::string_view text, std::size_t i) { return static_cast<unsigned char>(text[i]); }

}  // namespace

std::size_t Utf8CharacterLength(std::string_view text) {
  if (text.empty()) return 0;
  if (Byte(text, 0) < 0x80) return 1;
  for (const Utf8Lead& lead : kUtf8Leads) {
    if (Byte(text, 0) < lead.first || Byte(text, 0) > lead.last) continue;
    if (text.size() < lead.length || Byte(text, 1) < lead.low || Byte(text, 1) > lead.high) return 0;
    for (std::size_t i = 2; i < lead.length; ++i) {
      if ((Byte(text, i) & 0xC0) != 0x80) return 0;
    }
    return lead.length;
  }
  return 0;
}

bool IsControlCharacter(std::string_view character) {
  if (character.size() == 1) return Byte(character, 0) < 0x20 || Byte(character, 0) == 0x7F;
  return character.size() == 2 && Byte(character, 0) == 0xC2 && Byte(character, 1) < 0xA0;
}

bool IsDisplayableText(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = Utf8CharacterLength(text.substr(i));
    if (length == 0 || IsControlCharacter(text.substr(i, length))) return false;
    i += length;
  }
  return !text.empty();
}

}  // namespace tervolin
