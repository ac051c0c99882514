#pragma once
// UTF-8 text that comes from file names, data files and command lines, before it is
// shown.

#include <cstddef>
#include <string>
#include <string_view>

namespace tervolin {

// Length in bytes of the well-formed UTF-8 character at the start of `text` (Unicode's
// table: no overlong forms, no surrogates); 0 when there is none.
std::size_t Utf8CharacterLength(std::string_view text);

// The code point of one well-formed character (as Utf8CharacterLength measured it).
char32_t CodePoint(std::string_view character);

// Whether one well-formed character is a control character: C0, DEL or C1
// (U+0080 to U+009F), none of which prints anything readable.
bool IsControlCharacter(std::string_view character);

// Unicode's format characters (general category Cf, Unicode 15): the bidirectional
// controls such as U+202E, which reverse the text after them, the zero-width
// characters, the soft hyphen, the tag characters. None shows as itself.
bool IsFormatCharacter(char32_t c);

// A character that shows nothing or breaks the line: a format character, any other
// default-ignorable code point (U+034F, the variation selectors U+FE00…U+FE0F, the
// Hangul fillers, U+17B4), and the line and paragraph separators U+2028, U+2029.
bool IsHiddenCharacter(char32_t c);

// A combining mark (general category M: U+0301, U+3099 …), which joins the character
// before it; alone, or first in a name, it stands on nothing.
bool IsCombiningMark(char32_t c);

// A character that shows as nothing but empty space: Unicode's White_Space (the
// ideographic space U+3000 among them), the Hangul fillers and the braille blank.
bool IsBlankCharacter(char32_t c);

// Non-empty, well-formed UTF-8 without control characters: text that can stand as
// one line of a list.
bool IsDisplayableText(std::string_view text);

// The text with everything that could hide, reorder or garble what is shown made
// visible: a byte of broken UTF-8 and a control character (ESC and BEL among them;
// line feed and tab stay when `keepLineBreaks`) as "\xNN" a byte, a hidden character
// (IsHiddenCharacter) as "\u202E" ("\U000E0001" beyond the first plane). Readable text, Japanese
// included, stays as it is.
std::string EscapedForDisplay(std::string_view text, bool keepLineBreaks);

// One character as EscapedForDisplay shows it when it must be escaped: "\xNN" a byte
// for a control character or a byte that begins no well-formed character, "\u…" for
// a hidden character. `character` is one well-formed character or one byte.
std::string EscapedCharacter(std::string_view character);

// A code point as "\u0420" ("\U000E0001" beyond the first plane).
std::string EscapedCodePoint(char32_t c);

// A name as a list shows it: EscapedForDisplay, and the blank characters at either
// end, which would show as nothing, made visible too: a space as "␠", another blank
// as "\u3000" ("鉄 " stands apart from "鉄" as "鉄␠"), and a combining mark at its
// start as "\u0301".
std::string EscapedName(std::string_view name);

}  // namespace tervolin
