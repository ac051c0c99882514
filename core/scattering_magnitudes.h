#pragma once
// How large coherent and incoherent scattering are, on one absolute scale: the
// differential cross sections per unit mass against the scattering angle. Each curve
// is the form factor's (or the incoherent scattering function's) own cross section
// (core/form_factor_curves.h); the tabulated cross section σ/ρ stands beside the
// curve's integral, for the two come from different tabulations (lead's coherent
// σ/ρ is 10 % above the integral at 140 keV). Tables without the molar mass fall
// back to the program's shape scaled to σ/ρ.
//
// Every function takes its tables as arguments and returns a value or a problem;
// the program's angles are θ = 1° … 180°, converted with its five-decimal π.

#include <variant>

#include "core/energy_tables.h"

namespace tervolin {

// Why a comparison cannot be made.
enum class MagnitudeProblem {
  kEnergyOutsideTable,  // below 0.5 keV or above 150 keV: the table has no cross section there
  kNoFluence,           // a spectrum without photons
  kCannotCalculate,     // a curve without area, or a cross section not positive between two rows
};

template <typename T>
using OrProblem = std::variant<T, MagnitudeProblem>;

// σ/ρ (cm²/g) at energy E (keV) from a table of the 0.5-keV bins (index n is
// 0.5·n keV): the row itself on a bin, between two rows log σ linear in log E.
OrProblem<double> CrossSectionAt(const EnergyTable& perBin, double energyKev);

// The fluence-weighted mean cross section of a spectrum, Σ φ_n (σ/ρ)_n over the bins
// firstBin … 300 that the spectral curve sums, divided by Σ φ_n over all bins (cm²/g
// per photon of the beam).
OrProblem<double> MeanOverSpectrum(const EnergyTable& crossSection, const EnergyTable& fluence, int firstBin);

// What the comparison is made of. A shape is the program's curve per unit angle at
// θ = 1° … 180° on any scale (a spectral curve is a sum of probability densities,
// so it too is a probability density once divided by its integral); its size is the
// cross section at the energy, or the spectrum's mean.
struct MagnitudeInputs {
  AngleTable coherentShape{};
  AngleTable incoherentShape{};
  double coherentCrossSection = 0.0;    // σ/ρ, cm²/g
  double incoherentCrossSection = 0.0;  // σ/ρ, cm²/g
};

struct ScatteringMagnitudes {
  // dσ/dθ per unit mass, cm²/g per degree, at θ = 1° … 180° (index 0 unused).
  AngleTable coherent{};
  AngleTable incoherent{};
  AngleTable total{};
  double coherentCrossSection = 0.0;  // σ/ρ, cm²/g
  double incoherentCrossSection = 0.0;
  double totalCrossSection = 0.0;
  double coherentShare = 0.0;  // % of the total
  double incoherentShare = 0.0;
  // σ/ρ as the integral of each curve drawn over 0 … 180° (cm²/g), F and S
  // interpolated in the 45-row table between the curve's points too, and the
  // tabulated σ/ρ over it (the table's own tabulation, 1.10 for lead's coherent
  // scattering at 140 keV).
  double coherentCurveIntegral = 0.0;
  double incoherentCurveIntegral = 0.0;
  double totalCurveIntegral = 0.0;
  double coherentRatio = 1.0;
  double incoherentRatio = 1.0;
  // Whether the curves are the form factor's own (true) or, for a table without the
  // molar mass, the shapes scaled to the tabulated σ/ρ (false).
  bool fromFormFactor = false;
};

// dσ/dθ = (σ/ρ) · p(θ) · π/180 for each kind, p the shape divided by its integral
// over 0 … π (IntegralOverAngles): the same rule over the degrees gives back σ/ρ.
OrProblem<ScatteringMagnitudes> CompareMagnitudes(const MagnitudeInputs& inputs);

// How many times the incoherent σ/ρ is the coherent one (a pure number); the reader
// of the comparison is given it rather than left to divide the shares.
double IncoherentToCoherentRatio(const ScatteringMagnitudes& magnitudes);

// The form factor's own curves, dσ/dθ in cm²/g per degree at θ = 1° … 180°, the
// tabulated cross sections σ/ρ (cm²/g) beside them, and the curves' integrals over
// 0 … 180° (cm²/g, FormFactorCurveIntegral).
struct AbsoluteInputs {
  AngleTable coherent{};
  AngleTable incoherent{};
  double coherentCrossSection = 0.0;
  double incoherentCrossSection = 0.0;
  double coherentIntegral = 0.0;
  double incoherentIntegral = 0.0;
};

// The curves as they are, their integrals and the ratios of the tabulated σ/ρ to
// them; shares of the tabulated σ/ρ.
OrProblem<ScatteringMagnitudes> CompareAbsoluteMagnitudes(const AbsoluteInputs& inputs);

// dσ/dΩ (cm²/g/sr) from dσ/dθ per degree: × (180/π) / (2π sin θ).
AngleTable PerSolidAngle(const AngleTable& perDegree);

}  // namespace tervolin
