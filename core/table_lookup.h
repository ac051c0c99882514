#pragma once
// Interpolation in the material's momentum-transfer table and the scaling of a
// distribution to its maximum, shared by all four distributions.

#include "core/energy_tables.h"

namespace tervolin {

// A column of the material's table with the logarithms of its rows and of the grid
// taken once, for the many lookups of one calculation. A row whose value is not
// positive fails only when a lookup brackets x with it. Refers to, does not copy,
// the tables it was made from.
class LogLogTable {
 public:
  LogLogTable(const XfsTable& grid, const XfsTable& values);
  // The interpolated value at x (Å⁻¹), exactly as LogLogLookup below.
  double Lookup(double x) const;
  // The same value, for a series of lookups whose x never decreases: bracketHint
  // holds the upper bracket row of the previous lookup (0 at the first) and is
  // updated. It only speeds up the search; the result is the same.
  double Lookup(double x, int& bracketHint) const;

 private:
  int UpperBracketRow(double x) const;
  int UpperBracketRowFrom(double x, int hint) const;
  double Interpolate(double x, int up) const;
  const XfsTable& grid_;
  const XfsTable& values_;
  XfsTable lnGrid_{};
  XfsTable lnValues_{};
  bool increasing_ = false;  // grid rows 2…45 strictly increasing
};

// Value of the column `values` at x = sin(θ/2)/λ (Å⁻¹), interpolated linearly in
// ln x and ln V between two rows of `grid`. The search starts at row 2 and stops at
// the first row whose grid value exceeds x; below row 2 the line through rows 1 and 2
// is extended. Throws ArithmeticFailure when x reaches XfsGrid(45), on a logarithm of
// a non-positive value, on equal bracket grid values, or on overflow.
double LogLogLookup(double x, const XfsTable& grid, const XfsTable& values);

// Divides elements 1..180 by the largest, which becomes exactly 1. Throws
// ArithmeticFailure when the largest element is not greater than 0.
void NormaliseToMaximum(AngleTable& distribution);

}  // namespace tervolin
