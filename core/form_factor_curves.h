#pragma once
// The differential cross sections of a material on an absolute scale, from the
// physics of the curve itself: per formula unit
//   coherent    dσ/dΩ = r₀² · ½(1 + cos²θ) · F²(x),
//   incoherent  dσ/dΩ = r₀² · ½ (E′/E)² (E/E′ + E′/E − sin²θ) · S(x),
// × N_A / M per gram (M the formula unit's molar mass), × 2π sin θ · π/180 per
// degree. Their integral over the angles falls short of the tabulated σ/ρ where
// the table holds effects beyond the form factor (anomalous scattering of heavy
// atoms), so the curves are not scaled to it.

#include "core/scattering_magnitudes.h"
#include "core/tables.h"

namespace tervolin {

// dσ/dθ, cm²/g per degree, at θ = 1° … 180° for a photon of `energyKev` keV;
// molarMass in g/mol. Throws ArithmeticFailure as ComputeDistribution does.
AngleTable FormFactorCurve(ScatterKind scatter, double energyKev, const MaterialTables& material, double molarMass);

// The spectrum's mean of the same curves bin by bin: Σ φ_n dσ/dθ(E_n) over the bins
// firstBin … 300 that the spectral curve sums, divided by Σ φ_n over all bins, as
// MeanOverSpectrum takes the mean of σ/ρ. Throws ArithmeticFailure.
OrProblem<AngleTable> FormFactorCurveOverSpectrum(ScatterKind scatter, const MaterialTables& material,
                                                  double molarMass, const EnergyTable& fluence);

}  // namespace tervolin
