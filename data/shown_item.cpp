#include "data/shown_item.h"

#include <algorithm>
#include <utility>

#include "data/utf8_text.h"

namespace tervolin {

namespace {

// The next character as shown and the bytes it takes.
std::pair<std::string, std::size_t> NextShown(std::string_view rest) {
  const std::size_t length = Utf8CharacterLength(rest);
  if (length == 0 || IsControlCharacter(rest.substr(0, length))) return {EscapedCharacter(rest.substr(0, 1)), 1};
  if (IsHiddenCharacter(CodePoint(rest.substr(0, length)))) return {EscapedCharacter(rest.substr(0, length)), length};
  return {std::string(rest.substr(0, length)), length};
}

}  // namespace

std::string ShownItem(std::string_view item, std::size_t limit) {
  std::string shown;
  std::size_t characters = 0;
  while (!item.empty()) {
    if (characters == limit) return shown + "…";
    const auto [text, bytes] = NextShown(item);
    // A mark first would join the quotation mark before it.
    const bool mark = characters == 0 && bytes > 1 && IsCombiningMark(CodePoint(item.substr(0, bytes)));
    shown += mark ? EscapedCodePoint(CodePoint(item.substr(0, bytes))) : text;
    item.remove_prefix(bytes);
    ++characters;
  }
  return shown;
}

std::string ShownArgument(std::string_view argument) { return ShownItem(argument, kShownArgumentCharacters); }

std::string ShownAsciiArgument(std::string_view argument) {
  std::string kept;
  for (std::size_t length = 0; !argument.empty(); argument.remove_prefix(length)) {
    length = std::max<std::size_t>(Utf8CharacterLength(argument), 1);
    const std::string_view character = argument.substr(0, length);
    const char32_t c = CodePoint(character);
    const bool readable = length == 1 || c == U'\u3000' || (c >= U'\uFF01' && c <= U'\uFF5E');
    kept += readable || IsControlCharacter(character) ? std::string(character) : EscapedCodePoint(c);
  }
  return ShownArgument(kept);
}

}  // namespace tervolin
