#include "graphs/polar_diagram.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tervolin {

// The diagram is a picture, not a calculation: its angles are drawn with full π.
PolarPoint PolarPointAt(double value, double degrees, bool below) {
  const double theta = degrees / 180.0 * std::numbers::pi;
  const double y = value * std::sin(theta);
  return {value * std::cos(theta), below ? -y : y};
}

std::vector<PolarPoint> PolarOutline(const AngleTable& values) {
  std::vector<PolarPoint> outline;
  outline.reserve(2 * kAngles);
  for (int j = 1; j <= kAngles; ++j) outline.push_back(PolarPointAt(values[j], j));
  for (int j = kAngles; j >= 1; --j) outline.push_back(PolarPointAt(values[j], j, true));
  return outline;
}

PolarFrame FitPolarFrame(double width, double height, double margin) {
  const double radius = std::max(1.0, std::min(width, height) / 2.0 - margin);
  return {width / 2.0, height / 2.0, radius};
}

}  // namespace tervolin
