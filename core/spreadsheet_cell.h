#pragma once
// A cell of a table the programs write for spreadsheets (CSV and TSV), made so that
// a spreadsheet cannot take it for a formula and run it.

#include <string>
#include <string_view>

namespace tervolin {

// The text with an apostrophe in front when it begins with "=", "+", "-" or "@" (or
// a tab or carriage return, which some spreadsheets skip before a formula) and is
// not a decimal number as a whole; otherwise unchanged. "-1.5E-03" stays as it is,
// "+100+cmd|' /C calc'!A0" becomes "'+100+cmd|' /C calc'!A0". A spreadsheet shows the
// text without the apostrophe and leaves it text.
std::string FormulaSafeCell(std::string_view text);

}  // namespace tervolin
