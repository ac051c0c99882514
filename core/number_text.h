#pragma once
// The one home of the program's number texts: numbers written with "." as the
// decimal point whatever the locale, and decimal numbers read back. Natively these
// are std::to_chars and std::from_chars; where the standard library lacks their
// floating-point forms (the WebAssembly build), printf-style formatting and strtod
// give the same texts and values.

#include <optional>
#include <string>
#include <string_view>

namespace tervolin {

// "12.346" for FixedText(12.3456, 3): as printf's "%.*f".
std::string FixedText(double value, int decimals);

// "1.235e+01" for ScientificText(12.3456, 3): as printf's "%.*e".
std::string ScientificText(double value, int decimals);

// "12.3456" for GeneralText(12.3456, 6), "1e+06" for GeneralText(1e6, 6): as
// printf's "%.*g", at most `significant` digits and no trailing zeros.
std::string GeneralText(double value, int significant);

// The shortest text that reads back as the same double, fixed or scientific
// whichever is shorter (fixed on a tie): "1", "0.5", "1e-05", "3.0517578125e-05".
std::string ShortestText(double value);

// The value of an unsigned decimal number ("12.5", "1e3"), correctly rounded;
// nothing when its magnitude lies outside the range of a double.
std::optional<double> UnsignedDecimalValue(std::string_view number);

// The same texts made with snprintf and read with strtod, which every C library
// has; the functions above use them where std::to_chars cannot format a double.
namespace printf_fallback {
std::string FixedText(double value, int decimals);
std::string ScientificText(double value, int decimals);
std::string GeneralText(double value, int significant);
std::string ShortestText(double value);
}  // namespace printf_fallback

}  // namespace tervolin
