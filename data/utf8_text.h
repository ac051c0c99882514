#pragma once
// UTF-8 text that comes from file names and data files, before it is shown.

#include <cstddef>
#include <string_view>

namespace tervolin {

// Length in bytes of the well-formed UTF-8 character at the start of `text` (Unicode's
// table: no overlong forms, no surrogates); 0 when there is none.
std::size_t Utf8CharacterLength(std::string_view text);

// Whether one well-formed character is a control character: C0, DEL or C1
// (U+0080 to U+009F), none of which prints anything readable.
bool IsControlCharacter(std::string_view character);

// Non-empty, well-formed UTF-8 without control characters: text that can stand as
// one line of a list.
bool IsDisplayableText(std::string_view text);

}  // namespace tervolin
