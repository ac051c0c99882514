#pragma once
// What a graph remembers of the curves drawn on it since it was last cleared: the
// values as computed, before any conversion to drawing coordinates, the colour and
// the label. The plotting adds the values and colour; the screen that started the
// computation adds the label, since only it knows what was computed.

#include <cstddef>
#include <string>
#include <utility>
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

class CurveMemory {
 public:
  void Remember(CurveRecord curve) { curves_.push_back(std::move(curve)); }
  // Labels every curve from index `first` on (those a computation has just drawn).
  void LabelFrom(std::size_t first, const CurveLabel& label);
  void Forget() { curves_.clear(); }

  const std::vector<CurveRecord>& Curves() const { return curves_; }
  std::size_t Count() const { return curves_.size(); }

 private:
  std::vector<CurveRecord> curves_;
};

// The curve's label as shown, or "曲線 n" (n from 1) for a curve drawn without one.
std::string CurveTitle(const std::vector<CurveRecord>& curves, std::size_t index,
                       Language language = Language::kJapanese);

// A file name for the graph without extension: "干渉性散乱_鉄_100keV" after the last
// computed curve, then the name of each kind of reference curve shown
// ("_自由電子トムソン散乱", "_自由電子クライン－仁科").
std::string GraphFileStem(const std::vector<CurveRecord>& curves, Language language = Language::kJapanese);

}  // namespace tervolin
