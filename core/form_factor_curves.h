#pragma once
// The differential cross sections of a material on an absolute scale, from the
// physics of the curve itself: per formula unit
//   coherent    dσ/dΩ = r₀² · ½(1 + cos²θ) · F²(x),
//   incoherent  dσ/dΩ = r₀² · ½ (E′/E)² (E/E′ + E′/E − sin²θ) · S(x),
// × N_A / M per gram (M the formula unit's molar mass), × 2π sin θ · π/180 per
// degree. F and S are the material's 45-row table (xraylib's FF_Rayl, from EPDL97,
// and SF_Compt, from Hubbell et al. 1975); the tabulated σ/ρ beside them is
// xraylib's CS_Rayl and CS_Compt, from Elam, Ravel and Sieber's compilation, which
// above 1 keV takes XCOM's cross sections. The two are different tabulations: lead's
// coherent σ/ρ is 1.9 % above the curve's integral at 10 keV, 7.9 % at 88 keV and
// 10 % at 140 keV (xraylib's own σ over its own curve: 1.6 %, 7.8 %, 10 %), rising
// smoothly with Z and E without a step at the K edge, where anomalous scattering
// would lower σ by a third. So the curves are not scaled to the table.

#include "core/scattering_magnitudes.h"
#include "core/tables.h"

namespace tervolin {

// dσ/dθ, cm²/g per degree, at θ = 1° … 180° for a photon of `energyKev` keV;
// molarMass in g/mol. Throws ArithmeticFailure as ComputeDistribution does.
AngleTable FormFactorCurve(ScatterKind scatter, double energyKev, const MaterialTables& material, double molarMass);

// σ/ρ of that curve (cm²/g): its integral over 0 … 180°, taken between the whole
// degrees as well (UnscaledIntegral, core/distributions.h), F and S interpolated in
// the 45-row table as at the curve's points. Throws ArithmeticFailure.
double FormFactorCurveIntegral(ScatterKind scatter, double energyKev, const MaterialTables& material,
                               double molarMass);

// The spectrum's mean of the same curves bin by bin: Σ φ_n dσ/dθ(E_n) over the bins
// firstBin … 300 that the spectral curve sums, divided by Σ φ_n over all bins, as
// MeanOverSpectrum takes the mean of σ/ρ. Throws ArithmeticFailure.
OrProblem<AngleTable> FormFactorCurveOverSpectrum(ScatterKind scatter, const MaterialTables& material,
                                                  double molarMass, const EnergyTable& fluence);

// The same mean of FormFactorCurveIntegral (cm²/g). Throws ArithmeticFailure.
OrProblem<double> FormFactorIntegralOverSpectrum(ScatterKind scatter, const MaterialTables& material,
                                                 double molarMass, const EnergyTable& fluence);

}  // namespace tervolin
