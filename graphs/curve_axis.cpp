#include "graphs/curve_axis.h"

#include <algorithm>
#include <cmath>

namespace tervolin {

int NearestIndex(const CurveAxis& axis, double abscissa) {
  const double steps = std::round(abscissa / axis.step) - 1.0;
  if (!(steps > 0.0)) return 0;  // also NaN
  return static_cast<int>(std::min(steps, static_cast<double>(axis.points - 1)));
}

std::string AbscissaText(const CurveAxis& axis, int index) {
  return ShortestText(AbscissaAt(axis, index)) + axis.unit;
}

}  // namespace tervolin
