#pragma once
// The decimal numbers the program reads, from the screens' fields and from its data
// files alike: an optional sign, digits with "." as the decimal point (whatever the
// locale), at least one digit in all, and an optional exponent "E±dd" ("e" too).
// "inf", "nan" and hexadecimal numbers are not decimal numbers.

#include <cstddef>
#include <string_view>

namespace tervolin {

// Length of the longest leading part of `text` that is a decimal number; 0 when the
// text does not begin with one. An "E" without exponent digits is not taken.
std::size_t DecimalNumberLength(std::string_view text);

// The value of `number`, which must be a whole decimal number as above, correctly
// rounded. A magnitude too large for a double gives ±infinity, one too small ±0 or a
// denormal.
double DecimalNumberValue(std::string_view number);

}  // namespace tervolin
