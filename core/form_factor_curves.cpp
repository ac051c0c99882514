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
  return CheckedDivide(0.5 * r0Squared * 2.0 * kProgramPi * (kProgramPi / 180.0) * kAvogadroConstant, molarMass);
}

}  // namespace

AngleTable FormFactorCurve(ScatterKind scatter, double energyKev, const MaterialTables& material, double molarMass) {
  AngleTable curve = UnscaledDistribution({scatter, kSingleEnergy, energyKev}, {}, material, {});
  const double factor = PerDegreePerGram(molarMass);
  for (int j = 1; j <= kAngles; ++j) curve[j] = Checked(curve[j] * factor);
  return curve;
}

OrProblem<AngleTable> FormFactorCurveOverSpectrum(ScatterKind scatter, const MaterialTables& material,
                                                  double molarMass, const EnergyTable& fluence) {
  const int firstBin = scatter == kCoherent ? kFirstCoherentBin : kFirstIncoherentBin;
  double photons = 0.0;
  AngleTable sum{};
  for (int n = 1; n <= kEnergyBins; ++n) {
    photons += fluence[n];
    if (n < firstBin || fluence[n] == 0.0) continue;
    const AngleTable bin = FormFactorCurve(scatter, BinEnergy(n), material, molarMass);
    for (int j = 1; j <= kAngles; ++j) sum[j] = Checked(sum[j] + fluence[n] * bin[j]);
  }
  if (!(photons > 0.0) || !std::isfinite(photons)) return MagnitudeProblem::kNoFluence;
  for (int j = 1; j <= kAngles; ++j) sum[j] /= photons;
  return sum;
}

}  // namespace tervolin
