#include "data/shown_item.h"

#include <utility>

namespace tervolin {

namespace {

// Well-formed UTF-8 by its first byte: the second byte's range and the length
// (Unicode's table; it leaves out overlong forms and surrogates).
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

// Length of the well-formed UTF-8 character at the start of `text`; 0 when there is none.
std::size_t Utf8Length(std::string_view text) {
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

// C1 control characters (U+0080 to U+009F) print nothing readable either.
bool IsC1Control(std::string_view character) {
  return character.size() == 2 && static_cast<unsigned char>(character[0]) == 0xC2 &&
         static_cast<unsigned char>(character[1]) < 0xA0;
}

std::string Escaped(unsigned char c) {
  static const char kHex[] = "0123456789ABCDEF";
  return {'\\', 'x', kHex[c >> 4], kHex[c & 0xF]};
}

// The next character as shown and the bytes it takes.
std::pair<std::string, std::size_t> NextShown(std::string_view rest) {
  const unsigned char c = static_cast<unsigned char>(rest[0]);
  if (c >= 0x20 && c < 0x7F) return {std::string(1, rest[0]), 1};
  const std::size_t length = Utf8Length(rest);
  if (length == 0 || IsC1Control(rest.substr(0, length))) return {Escaped(c), 1};
  return {std::string(rest.substr(0, length)), length};
}

}  // namespace

std::string ShownItem(std::string_view item) {
  std::string shown;
  std::size_t characters = 0;
  while (!item.empty()) {
    if (characters == kShownItemCharacters) return shown + "…";
    const auto [text, bytes] = NextShown(item);
    shown += text;
    item.remove_prefix(bytes);
    ++characters;
  }
  return shown;
}

}  // namespace tervolin
