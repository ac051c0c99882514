#include "graphs/line_styles.h"

#include <algorithm>
#include <array>

namespace tervolin {

LineStyle LineStyleAfter(std::size_t sameColourBefore) {
  static constexpr std::array kTurns{LineStyle::kSolid, LineStyle::kDashDot, LineStyle::kDotted,
                                     LineStyle::kDashDotDot};
  return kTurns[sameColourBefore % kTurns.size()];
}

LineStyle ReferenceStyleAfter(std::size_t sameColourBefore) {
  static constexpr std::array kTurns{LineStyle::kDashed, LineStyle::kLongDashed, LineStyle::kSparseDashed};
  return kTurns[sameColourBefore % kTurns.size()];
}

bool IsReferenceStyle(LineStyle style) {
  return style == LineStyle::kDashed || style == LineStyle::kLongDashed || style == LineStyle::kSparseDashed;
}

// Long enough to read at a glance on a 2-pixel curve, short enough that a curve of
// a few degrees' width still shows a whole period.
const std::vector<double>& DashPattern(LineStyle style) {
  static const std::vector<double> kSolid{};
  static const std::vector<double> kDashDot{6, 2, 1.5, 2};
  static const std::vector<double> kDotted{1.5, 2};
  static const std::vector<double> kDashDotDot{6, 2, 1.5, 2, 1.5, 2};
  static const std::vector<double> kDashed{4, 2};
  static const std::vector<double> kLongDashed{8, 3};
  static const std::vector<double> kSparseDashed{2, 5};
  switch (style) {
    case LineStyle::kSolid: break;
    case LineStyle::kDashDot: return kDashDot;
    case LineStyle::kDotted: return kDotted;
    case LineStyle::kDashDotDot: return kDashDotDot;
    case LineStyle::kDashed: return kDashed;
    case LineStyle::kLongDashed: return kLongDashed;
    case LineStyle::kSparseDashed: return kSparseDashed;
  }
  return kSolid;
}

}  // namespace tervolin
