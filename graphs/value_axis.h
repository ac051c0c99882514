#pragma once
// The value axis of a graph of absolute quantities: linear from 0 to a round number,
// or logarithmic over whole decades; where a value lies on it, and its tick labels.

#include <string>
#include <vector>

namespace tervolin {

struct ValueAxis {
  double low = 0.0;   // value at the bottom of the frame
  double high = 1.0;  // value at the top
  bool logarithmic = false;
  std::vector<double> ticks;  // the labelled values, bottom up
};

// The decades a logarithmic axis shows at most below its top: enough for the weak
// backward coherent scattering of light materials beside the forward peak of heavy ones.
inline constexpr int kMostDecades = 6;

// 0 … the first multiple of the tick step at or above `largest`, the step 1, 2 or
// 5 × 10ᵏ giving at most five intervals; 0 … 1 for a largest value not above 0.
ValueAxis LinearValueAxis(double largest);

// From the decade below `smallest` (positive values only) to the decade above
// `largest`, at most kMostDecades; a tick at every power of ten.
ValueAxis LogarithmicValueAxis(double smallest, double largest);

// 0 at the bottom, 1 at the top; beyond them outside the axis (a value not above 0
// on a logarithmic axis lies far below).
double AxisFraction(const ValueAxis& axis, double value);

// "0", "0.02", "1.5" on a linear axis; "10⁻³", "1", "10" on a logarithmic one.
std::string TickText(const ValueAxis& axis, double value);

}  // namespace tervolin
