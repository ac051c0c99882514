#pragma once
// The distributions' failure rule: a logarithm of zero or of a negative number, a
// division by zero, an overflow or an invalid operation ends the calculation. Each
// checked step throws ArithmeticFailure; the distribution procedure catches it,
// shows "cannot be calculated correctly" and returns without drawing. An underflow
// is no failure: a result too small for a double becomes 0 and the sum goes on.

#include <cmath>
#include <stdexcept>

namespace tervolin {

struct ArithmeticFailure : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// value itself, when it is a finite number (overflow and NaN fail).
inline double Checked(double value) {
  if (!std::isfinite(value)) throw ArithmeticFailure("overflow or invalid operation");
  return value;
}

inline double CheckedDivide(double numerator, double denominator) {
  if (denominator == 0.0) throw ArithmeticFailure("division by zero");
  return Checked(numerator / denominator);
}

// Natural logarithm of a positive, finite value.
inline double CheckedLog(double value) {
  if (!(value > 0.0) || !std::isfinite(value)) throw ArithmeticFailure("logarithm of a non-positive value");
  return std::log(value);
}

inline double CheckedExp(double value) { return Checked(std::exp(Checked(value))); }

}  // namespace tervolin
