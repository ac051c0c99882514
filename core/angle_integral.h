#pragma once
// The integral over 0° … 180° of a quantity given per unit angle on the program's 1°
// grid, for turning an angular term into the probability density of the angle.

#include "core/energy_tables.h"

namespace tervolin {

// ∫ f(θ) dθ over 0 … π (θ in rad) of f given at θ = 1° … 180°, by composite
// Simpson's rule with step π/180 and weights 1, 4, 2, 4, …, 4, 1. f(0°) is taken as
// 0: every per-angle term carries sin θ. Below 1° the rule still follows the curve
// up from 0, where the plain sum of the 180 values would drop that part (6 % for
// hydrogen's coherent peak at 140 keV, 1.4 % for this rule).
double IntegralOverAngles(const AngleTable& perAngle, double pi);

}  // namespace tervolin
