#pragma once
// The four angular distributions of the scattered photons, θ = 1° … 180°: coherent
// or incoherent scattering, at one photon energy or summed over a spectrum, each in
// any of four views, scaled to a maximum of 1.

#include <optional>
#include <vector>

#include "core/outcome.h"
#include "core/tables.h"
#include "core/views.h"


namespace tervolin {

// The first 0.5-keV bins the spectral distributions sum.
inline constexpr int kFirstCoherentBin = 5;     // 2.5 keV
inline constexpr int kFirstIncoherentBin = 16;  // 8.0 keV

// How a distribution is shown (core/views.h); no view: the program's curves, per
// unit angle. Free electron: the atomic factor replaced by 1, Thomson (F → 1) for
// coherent, Klein–Nishina (S → 1) for incoherent. Per unit solid angle: the same
// terms without the factor sin θ.
using DistributionView = ViewSet;

// What is computed: the kind of scattering and the photon energy, or the spectrum.
struct DistributionRequest {
  ScatterKind scatter = kCoherent;
  EnergyModeKind energyMode = kSingleEnergy;
  double energyKeV = 0.0;  // photon energy of a single-energy distribution
};

// One of the four distributions in the view chosen, scaled to a maximum of 1:
//   coherent (Rayleigh) at energy E: ((cos θ)² + 1) · sin θ · F²(x);
//   incoherent (Compton) at E: (E′/E)² · ((E/E′ + E′/E) − sin²θ) · sin θ · S(x);
//   spectral: the 0.5-keV bins 5…300 (coherent) or 16…300 (incoherent) of
//   `fluence`, each bin's term divided by its integral over 0°…180° (the probability
//   density of the angle at that energy), weighted by fluence × the material's cross
//   section of the kind.
// F, S and the cross sections come from `material`; `fluence` is used by the
// spectral distributions only. Throws ArithmeticFailure (core/failure_rule.h) on a
// logarithm of a value not positive, a division by zero or an overflow.
AngleTable ComputeDistribution(const DistributionRequest& request, const DistributionView& view,
                               const MaterialTables& material, const EnergyTable& fluence);

// The same before the scaling to a maximum of 1: at one energy the term itself, so
// that r₀²/2 · 2π times it is dσ/dθ per formula unit (per radian).
AngleTable UnscaledDistribution(const DistributionRequest& request, const DistributionView& view,
                                const MaterialTables& material, const EnergyTable& fluence);

// One 0.5-keV bin of a spectral distribution per unit angle of the atom: the bin's
// photon energy (keV), its weight in the sum (fluence × the material's cross
// section of the kind, cm²/g), and its term divided by the term's integral over
// 0°…180°, the probability density of the angle at that energy (per rad). The
// spectral distribution is Σ weight × density, scaled to a maximum of 1; the bins are
// those the sum takes (coherent 5…300, incoherent 16…300). Throws ArithmeticFailure
// as the distribution does.
struct SpectralPart {
  double energyKeV;
  double weight;
  AngleTable density;
};
std::vector<SpectralPart> SpectralParts(ScatterKind scatter, const MaterialTables& material,
                                        const EnergyTable& fluence);

// The same, with an arithmetic failure returned as a problem: at one energy the
// energy and the tables' range (an energy outside SingleEnergyRange is refused
// before anything is computed), over a spectrum "cannot be calculated correctly".
Outcome<AngleTable> Distribution(const DistributionRequest& request, const DistributionView& view,
                                 const MaterialTables& material, const EnergyTable& fluence);

// ∫₀^π of the single-energy term per unit angle (sin θ included) over θ in rad, the
// curve taken between its whole degrees as well: composite Simpson's rule at 0.1°
// steps, F or S interpolated in the material's table as at the curve's points. Throws
// ArithmeticFailure as UnscaledDistribution does.
double UnscaledIntegral(ScatterKind scatter, double energyKeV, const MaterialTables& material);

// The photon energies (keV) at which a single-energy curve reads the material's
// F(x) and S(x) by interpolation between its rows at every angle, 1° … 180°, and
// the tables hold the energy: from the energy at which x = sin(θ/2)/λ at 1° reaches
// the first row (1.42 keV for the shipped tables' 0.001 Å⁻¹; below it F and S would
// be extrapolated) up to 150 keV, where the cross sections, the attenuation
// coefficients and the spectra end (x at 180° is then 12.1 Å⁻¹, well inside the
// table), or lower where the table's last row is reached before.
struct EnergyRange {
  double lowestKev;
  double highestKev;
};
EnergyRange SingleEnergyRange(const MaterialTables& material);

// The problem of a single energy outside SingleEnergyRange: the energy as computed
// with and the range, its ends rounded inwards to three significant digits.
Problem EnergyNotCalculable(double energyKeV, const MaterialTables& material);

// That problem when the energy lies outside SingleEnergyRange, else nothing.
std::optional<Problem> CheckSingleEnergy(double energyKeV, const MaterialTables& material);

}  // namespace tervolin
