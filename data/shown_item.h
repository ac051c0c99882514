#pragma once
// A data file's item as a message shows it: at most kShownItemCharacters characters,
// then "…"; readable UTF-8 text (Japanese included) as it is, every other byte
// (control characters, broken or overlong UTF-8) as "\xNN", a hidden character
// (IsHiddenCharacter) such as the right-to-left override as "\u202E", and a
// combining mark first, which would join the quotation mark before it, as "\u0301".

#include <cstddef>
#include <string>
#include <string_view>

namespace tervolin {

inline constexpr std::size_t kShownItemCharacters = 30;
// A command-line argument that a message echoes is shown the same way, up to this many
// characters: enough for any sensible value, and a pasted page cannot flood the terminal.
inline constexpr std::size_t kShownArgumentCharacters = 80;

std::string ShownItem(std::string_view item, std::size_t characters = kShownItemCharacters);

// ShownItem(argument, kShownArgumentCharacters).
std::string ShownArgument(std::string_view argument);

// An argument that names something in ASCII (a beam quality) as a message shows it:
// ShownArgument, with every character beyond ASCII and the full-width forms the
// fields read (FieldWord) escaped as "\u0420", so that a look-alike (the Cyrillic
// "Р" for "P") shows as what it is.
std::string ShownAsciiArgument(std::string_view argument);

}  // namespace tervolin
