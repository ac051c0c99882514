#pragma once
// The texts of a graph's legend and of its read-out under the mouse pointer.

#include <string>
#include <vector>

#include "graphs/curve_axis.h"
#include "graphs/curve_record.h"

namespace tervolin {

struct LegendRow {
  Rgb colour;
  std::string title;
  std::string note;  // "ピーク 8°" for angular curves, else empty
  bool dashed = false;
  LineStyle style = LineStyle::kSolid;
};

// One row per curve in drawing order; `withMaximum` adds the abscissa of each
// curve's peak, its largest value (the first, where several are equal).
std::vector<LegendRow> LegendRows(const CurveAxis& axis, const std::vector<CurveRecord>& curves,
                                  bool withMaximum, const LabelWording& wording);

// "θ = 8°" and then one line per curve with its title and its value there to three
// decimals, lines apart by "\n".
std::string ReadOutText(const CurveAxis& axis, int index, const std::vector<CurveRecord>& curves,
                        const LabelWording& wording);

}  // namespace tervolin
