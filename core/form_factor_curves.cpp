#include "core/form_factor_curves.h"

#include <cmath>

#include "core/distributions.h"
#include "core/failure_rule.h"

namespace tervolin {

namespace {

// r₀²/2 · 2π · π/180 · N_A / M: the program's angular term (with its sin θ) to
// dσ/dθ in cm²/g per degree, angles converted with the program's π.
double PerDegreePerGram(double molarMass) {
  const double r0Squared = kClassicalElectronRadiusCm * kClassicalElectronRadiusCm;
  return CheckedDivide(0.5 * r0Squared * 2.0 * kProgramPi * kRadiansPerDegree * kAvogadroConstant, molarMass);
}

// The first bin of the spectral curve of the kind.
int FirstBin(ScatterKind scatter) { return scatter == kCoherent ? kFirstCoherentBin : kFirstIncoherentBin; }

// Σ φ_n over all bins, or nothing when the spectrum has no photons.
OrProblem<double> Photons(const EnergyTable& fluence) {
  double photons = 0.0;
  for (int n = 1; n <= kEnergyBins; ++n) photons += fluence[n];
  if (!(photons > 0.0) || !std::isfinite(photons)) return MagnitudeProblem::kNoFluence;
  return photons;
}

}  // namespace

AngleTable FormFactorCurve(ScatterKind scatter, double energyKev, const MaterialTables& material, double molarMass) {
  AngleTable curve = UnscaledDistribution({scatter, kSingleEnergy, energyKev}, {}, material, {});
  const double factor = PerDegreePerGram(molarMass);
  for (int j = 1; j <= kAngles; ++j) curve[j] = Checked(curve[j] * factor);
  return curve;
}

double FormFactorCurveIntegral(ScatterKind scatter, double energyKev, const MaterialTables& material,
                               double molarMass) {
  return Checked(UnscaledIntegral(scatter, energyKev, material) * (PerDegreePerGram(molarMass) / kRadiansPerDegree));
}

OrProblem<AngleTable> FormFactorCurveOverSpectrum(ScatterKind scatter, const MaterialTables& material,
                                                  double molarMass, const EnergyTable& fluence) {
  const OrProblem<double> photons = Photons(fluence);
  if (const auto* problem = std::get_if<MagnitudeProblem>(&photons)) return *problem;
  AngleTable sum{};
  for (int n = FirstBin(scatter); n <= kEnergyBins; ++n) {
    if (fluence[n] == 0.0) continue;
    const AngleTable bin = FormFactorCurve(scatter, BinEnergy(n), material, molarMass);
    for (int j = 1; j <= kAngles; ++j) sum[j] = Checked(sum[j] + fluence[n] * bin[j]);
  }
  for (int j = 1; j <= kAngles; ++j) sum[j] /= std::get<double>(photons);
  return sum;
}

OrProblem<double> FormFactorIntegralOverSpectrum(ScatterKind scatter, const MaterialTables& material,
                                                 double molarMass, const EnergyTable& fluence) {
  const OrProblem<double> photons = Photons(fluence);
  if (const auto* problem = std::get_if<MagnitudeProblem>(&photons)) return *problem;
  double sum = 0.0;
  for (int n = FirstBin(scatter); n <= kEnergyBins; ++n) {
    if (fluence[n] != 0.0) sum = Checked(sum + fluence[n] * FormFactorCurveIntegral(scatter, BinEnergy(n), material, molarMass));
  }
  return sum / std::get<double>(photons);
}

}  // namespace tervolin
