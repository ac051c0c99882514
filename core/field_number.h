#pragma once
// Reading the number typed into a field, as the screens, the page and tervolin-calc
// read their fields: the whole text must be one decimal number (an optional sign,
// digits with "." as the decimal point whatever the locale, an optional exponent
// "E±dd"), with blanks allowed only around it. The full-width digits, point and signs
// a Japanese input method types, and the ideographic space, read as their ASCII
// forms: "１２０" is 120, "－１" is −1. Anything else ("2,5", "abc", "1 00", "inf",
// the empty text) is no number, so that no text is read as a number it does not show.

#include <optional>
#include <string>
#include <string_view>

namespace tervolin {

// The value, or nothing when the text is not one number or its magnitude lies
// beyond a double (an infinity is not a thickness or an energy).
std::optional<double> ReadFieldNumber(std::string_view text);

// The same, with nothing read as 0: the added filters, where no text is no filter.
double FieldNumberOrZero(std::string_view text);

// A word typed into a field (a beam quality's name), read as the number fields read
// theirs: the full-width forms of ASCII (U+FF01…U+FF5E: "ＲＱＲ８") and the ideographic
// space as their ASCII forms, the blanks around it removed.
std::string FieldWord(std::string_view text);

}  // namespace tervolin
