#pragma once
// Reading the number at the start of a text field, as the screens' fields are read:
// blanks are ignored, then an optional sign, digits with "." as the decimal point
// (whatever the locale) and an optional exponent "E±dd". The longest leading part
// that forms such a number is taken; a text that does not begin with one (the empty
// text, "abc", "inf", "nan", "0x10" beyond its "0") reads as 0. A text that reads as
// 0 so is read once more with full-width digits, point and signs and the ideographic
// space as their ASCII forms: "１２０" reads as 120, "－１" as −1.

#include <string_view>

namespace tervolin {

// A magnitude too large for a double gives ±infinity, never a clamped finite value;
// one too small gives 0 (or a denormal).
double ReadLeadingNumber(std::string_view text);

}  // namespace tervolin
