#pragma once
// A curve as a graph shows it: the values as computed, before any conversion to
// drawing coordinates, its colour, style and label. The model makes these from
// what it computed; the legend, the table, the read-out and the file names are
// made from them.

#include <cstddef>
#include <string>
#include <vector>

#include "graphs/curve_label.h"
#include "graphs/drawing_surface.h"

namespace tervolin {

struct CurveRecord {
  std::vector<double> values;  // values[i] belongs to abscissa i of the graph's CurveAxis
  Rgb colour;
  CurveLabel label;
  bool dashed = false;  // drawn dashed (a reference curve beside another)
  LineStyle style = LineStyle::kSolid;  // the dashed ones' too (line_styles.h)
};

// The curve's label as shown, or "曲線 n" (n from 1) for a curve drawn without one.
std::string CurveTitle(const std::vector<CurveRecord>& curves, std::size_t index, const LabelWording& wording);

// A file name for the graph without extension: "干渉性散乱_鉄_100keV" after the last
// computed curve, then the name of each kind of reference curve shown
// ("_自由電子トムソン散乱", "_自由電子クライン－仁科").
std::string GraphFileStem(const std::vector<CurveRecord>& curves, const LabelWording& wording);

}  // namespace tervolin
