#pragma once
// Checks on text that comes from file names and data files before it is shown.

#include <string_view>

namespace tervolin {

// Non-empty, well-formed UTF-8 (overlong forms and surrogates aside) without control
// characters: text that can stand as one line of a list.
bool IsDisplayableText(std::string_view text);

}  // namespace tervolin
