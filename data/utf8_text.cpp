#include "data/utf8_text.h"

#include <algorithm>
#include <iterator>

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

struct Range {
  char32_t first, last;
};

// General category Cf, Unicode 15.0 (DerivedGeneralCategory.txt).
constexpr Range kFormatCharacters[] = {
    {0x00AD, 0x00AD},   {0x0600, 0x0605},   {0x061C, 0x061C},   {0x06DD, 0x06DD},   {0x070F, 0x070F},
    {0x0890, 0x0891},   {0x08E2, 0x08E2},   {0x180E, 0x180E},   {0x200B, 0x200F},   {0x202A, 0x202E},
    {0x2060, 0x2064},   {0x2066, 0x206F},   {0xFEFF, 0xFEFF},   {0xFFF9, 0xFFFB},   {0x110BD, 0x110BD},
    {0x110CD, 0x110CD}, {0x13430, 0x1343F}, {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A}, {0xE0001, 0xE0001},
    {0xE0020, 0xE007F},
};

// White_Space (PropList.txt), then the Hangul fillers and the braille blank, which
// are letters or symbols that draw nothing.
constexpr Range kBlankCharacters[] = {
    {0x0009, 0x000D}, {0x0020, 0x0020}, {0x0085, 0x0085}, {0x00A0, 0x00A0}, {0x1680, 0x1680},
    {0x2000, 0x200A}, {0x2028, 0x2029}, {0x202F, 0x202F}, {0x205F, 0x205F}, {0x3000, 0x3000},
    {0x115F, 0x1160}, {0x2800, 0x2800}, {0x3164, 0x3164}, {0xFFA0, 0xFFA0},
};

bool InRanges(const Range* begin, const Range* end, char32_t c) {
  return std::any_of(begin, end, [c](const Range& r) { return c >= r.first && c <= r.last; });
}

unsigned char Byte(std::string_view text, std::size_t i) { return static_cast<unsigned char>(text[i]); }

std::string Hex(unsigned long value, int digits) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string text(static_cast<std::size_t>(digits), '0');
  for (int i = digits - 1; i >= 0; --i, value >>= 4) text[static_cast<std::size_t>(i)] = kHex[value & 0xF];
  return text;
}

std::string CodePointEscape(char32_t c) { return c > 0xFFFF ? "\\U" + Hex(c, 8) : "\\u" + Hex(c, 4); }

// A blank character at an end of a name, as EscapedName shows it.
std::string EscapedBlank(std::string_view character) {
  if (character == " ") return "\u2420";
  return character.size() == 1 || IsControlCharacter(character) ? EscapedCharacter(character)
                                                                : CodePointEscape(CodePoint(character));
}

// The length in bytes of the blank character at the start (or, with `fromEnd`, the end)
// of the text; 0 when there is none.
std::size_t BlankLength(std::string_view text, bool fromEnd) {
  for (std::size_t length = 1; length <= std::min<std::size_t>(4, text.size()); ++length) {
    const std::string_view character = fromEnd ? text.substr(text.size() - length) : text.substr(0, length);
    if (Utf8CharacterLength(character) == length) return IsBlankCharacter(CodePoint(character)) ? length : 0;
  }
  return 0;
}

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

char32_t CodePoint(std::string_view character) {
  if (character.size() <= 1) return character.empty() ? 0 : Byte(character, 0);
  char32_t c = Byte(character, 0) & (0x7F >> character.size());
  for (std::size_t i = 1; i < character.size(); ++i) c = (c << 6) | (Byte(character, i) & 0x3F);
  return c;
}

bool IsControlCharacter(std::string_view character) {
  if (character.size() == 1) return Byte(character, 0) < 0x20 || Byte(character, 0) == 0x7F;
  return character.size() == 2 && Byte(character, 0) == 0xC2 && Byte(character, 1) < 0xA0;
}

bool IsFormatCharacter(char32_t c) {
  return InRanges(std::begin(kFormatCharacters), std::end(kFormatCharacters), c);
}

bool IsBlankCharacter(char32_t c) { return InRanges(std::begin(kBlankCharacters), std::end(kBlankCharacters), c); }

bool IsDisplayableText(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = Utf8CharacterLength(text.substr(i));
    if (length == 0 || IsControlCharacter(text.substr(i, length))) return false;
    i += length;
  }
  return !text.empty();
}

std::string EscapedCharacter(std::string_view character) {
  const std::size_t length = Utf8CharacterLength(character);
  if (length > 1 && IsFormatCharacter(CodePoint(character.substr(0, length)))) {
    return CodePointEscape(CodePoint(character.substr(0, length)));
  }
  std::string escaped;
  for (const char byte : character) escaped += "\\x" + Hex(static_cast<unsigned char>(byte), 2);
  return escaped;
}

std::string EscapedForDisplay(std::string_view text, bool keepLineBreaks) {
  std::string shown;
  shown.reserve(text.size());
  while (!text.empty()) {
    std::size_t length = Utf8CharacterLength(text);
    const std::string_view character = text.substr(0, length == 0 ? 1 : length);
    const bool lineBreak = keepLineBreaks && (character == "\n" || character == "\t");
    if (length == 0 || (!lineBreak && IsControlCharacter(character)) ||
        (length > 1 && IsFormatCharacter(CodePoint(character)))) {
      shown += EscapedCharacter(character);
    } else {
      shown += character;
    }
    text.remove_prefix(character.size());
  }
  return shown;
}

std::string EscapedName(std::string_view name) {
  std::string leading, trailing;
  while (const std::size_t length = BlankLength(name, false)) {
    leading += EscapedBlank(name.substr(0, length));
    name.remove_prefix(length);
  }
  while (const std::size_t length = BlankLength(name, true)) {
    trailing.insert(0, EscapedBlank(name.substr(name.size() - length)));
    name.remove_suffix(length);
  }
  return leading + EscapedForDisplay(name, false) + trailing;
}

}  // namespace tervolin
