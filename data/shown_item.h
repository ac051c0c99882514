#pragma once
// A data file's item as a message shows it: at most kShownItemCharacters characters,
// then "…"; readable UTF-8 text (Japanese included) as it is, every other byte
// (control characters, broken or overlong UTF-8) as "\xNN", a format character such
// as the right-to-left override as "\u202E".

#include <cstddef>
#include <string>
#include <string_view>

namespace tervolin {

inline constexpr std::size_t kShownItemCharacters = 30;

std::string ShownItem(std::string_view item);

}  // namespace tervolin
