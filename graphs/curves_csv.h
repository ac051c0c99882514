#pragma once
// A graph's curves as a comma-separated table for spreadsheet programs.

#include <string>
#include <vector>

#include "graphs/curve_axis.h"
#include "graphs/curve_record.h"

namespace tervolin {

// UTF-8 with a byte-order mark (so spreadsheets on Japanese desktops read the
// labels), CR LF line ends, "." as the decimal point whatever the locale. The header
// row holds the axis heading and each curve's title, each kept from being read as a
// formula (FormulaSafeCell); then one row per abscissa with each value in the
// shortest text that reads back as the same double.
std::string CurvesCsv(const CurveAxis& axis, const std::vector<CurveRecord>& curves, const LabelWording& wording);

}  // namespace tervolin
