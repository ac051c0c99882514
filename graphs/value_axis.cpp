#include "graphs/value_axis.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/number_text.h"

namespace tervolin {

namespace {

constexpr int kMostIntervals = 5;

// The smallest of 1, 2 and 5 × 10ᵏ at or above `rough`.
double RoundStep(double rough) {
  const double decade = std::pow(10.0, std::floor(std::log10(rough)));
  for (const double mantissa : {1.0, 2.0, 5.0}) {
    if (mantissa * decade >= rough) return mantissa * decade;
  }
  return 10.0 * decade;
}

// "⁻¹²" for -12.
std::string Superscript(int exponent) {
  static const char* const kDigits[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
  std::string text = exponent < 0 ? "⁻" : "";
  for (const char c : std::to_string(std::abs(exponent))) text += kDigits[c - '0'];
  return text;
}

}  // namespace

ValueAxis LinearValueAxis(double largest) {
  if (!(largest > 0.0) || !std::isfinite(largest)) return {0.0, 1.0, false, {0.0, 0.5, 1.0}};
  const double step = RoundStep(largest / kMostIntervals);
  const int intervals = static_cast<int>(std::ceil(largest / step - 1e-9));
  ValueAxis axis{0.0, intervals * step, false, {}};
  for (int i = 0; i <= intervals; ++i) axis.ticks.push_back(i * step);
  return axis;
}

ValueAxis LogarithmicValueAxis(double smallest, double largest) {
  if (!(largest > 0.0) || !std::isfinite(largest)) largest = 1.0;
  if (!(smallest > 0.0) || smallest > largest) smallest = largest;
  const int rough = static_cast<int>(std::ceil(std::log10(largest)));
  const int bottom = std::max(static_cast<int>(std::floor(std::log10(smallest))), rough - kMostDecades);
  const int top = std::max(rough, bottom + 1);  // one decade at least
  ValueAxis axis{std::pow(10.0, bottom), std::pow(10.0, top), true, {}};
  for (int k = bottom; k <= top; ++k) axis.ticks.push_back(std::pow(10.0, k));
  return axis;
}

double AxisFraction(const ValueAxis& axis, double value) {
  if (!axis.logarithmic) return (value - axis.low) / (axis.high - axis.low);
  if (!(value > 0.0)) return -std::numeric_limits<double>::infinity();
  return std::log10(value / axis.low) / std::log10(axis.high / axis.low);
}

std::string TickText(const ValueAxis& axis, double value) {
  if (axis.logarithmic) {
    const int exponent = static_cast<int>(std::lround(std::log10(value)));
    if (exponent == 0 || exponent == 1) return exponent == 0 ? "1" : "10";
    return "10" + Superscript(exponent);
  }
  return GeneralText(value, 6);
}

}  // namespace tervolin
