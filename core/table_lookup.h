#pragma once
// Interpolation in the material's momentum-transfer table and the scaling of a
// distribution to its maximum, shared by all four distributions.

#include "core/shared_state.h"

namespace tervolin {

// Value of the column `values` at momentum transfer x (Å⁻¹), interpolated linearly in
// ln x and ln V between two rows of XfsGrid. The search starts at row 2 and stops at
// the first row whose grid value exceeds x; below row 2 the line through rows 1 and 2
// is extended. Throws ArithmeticFailure when x reaches XfsGrid(45), on a logarithm of
// a non-positive value, on equal bracket grid values, or on overflow.
double LogLogLookup(double x, const XfsTable& values);

// Divides AngleDistribution(1..180) by its largest element, which becomes exactly 1.
// Throws ArithmeticFailure when the largest element is not greater than 0.
void NormaliseToMaximum();

}  // namespace tervolin
