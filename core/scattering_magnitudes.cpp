#include "core/scattering_magnitudes.h"

#include <cmath>

#include "core/angle_integral.h"
#include "core/scattering_terms.h"

namespace tervolin {

namespace {

bool IsUsable(double crossSection) { return std::isfinite(crossSection) && crossSection >= 0.0; }

// log σ linear in log E between rows n and n + 1; both values must be positive.
OrProblem<double> BetweenRows(const EnergyTable& perBin, int n, double energyKev) {
  const double lower = perBin[n];
  const double upper = perBin[n + 1];
  if (!(lower > 0.0 && upper > 0.0) || !std::isfinite(lower) || !std::isfinite(upper)) {
    return MagnitudeProblem::kCannotCalculate;
  }
  const double fraction = std::log(energyKev / BinEnergy(n)) / std::log(BinEnergy(n + 1) / BinEnergy(n));
  return std::exp(std::log(lower) + fraction * std::log(upper / lower));
}

// σ/ρ · p(θ) per degree, p the shape over its integral; nothing when the shape has
// no area or the cross section is no number of cm²/g.
OrProblem<AngleTable> PerDegree(double crossSection, const AngleTable& shape) {
  const double integral = IntegralOverAngles(shape, kProgramPi);
  if (!(integral > 0.0) || !std::isfinite(integral) || !IsUsable(crossSection)) {
    return MagnitudeProblem::kCannotCalculate;
  }
  AngleTable curve{};
  for (int j = 1; j <= kAngles; ++j) curve[j] = crossSection * (shape[j] / integral) * kRadiansPerDegree;
  return curve;
}

// σ/ρ from a curve per degree: its integral over 0 … π, back to degrees.
double CurveIntegral(const AngleTable& perDegree) { return IntegralOverAngles(perDegree, kProgramPi) / kRadiansPerDegree; }

ScatteringMagnitudes Combine(const AngleTable& coherent, const AngleTable& incoherent, double coherentCrossSection,
                             double incoherentCrossSection) {
  ScatteringMagnitudes m{coherent, incoherent, {}, coherentCrossSection, incoherentCrossSection};
  for (int j = 1; j <= kAngles; ++j) m.total[j] = coherent[j] + incoherent[j];
  m.totalCrossSection = m.coherentCrossSection + m.incoherentCrossSection;
  m.coherentShare = 100.0 * m.coherentCrossSection / m.totalCrossSection;
  m.incoherentShare = 100.0 * m.incoherentCrossSection / m.totalCrossSection;
  m.coherentCurveIntegral = coherentCrossSection;
  m.incoherentCurveIntegral = incoherentCrossSection;
  m.totalCurveIntegral = m.totalCrossSection;
  return m;
}

bool IsCurve(const AngleTable& curve) {
  for (int j = 1; j <= kAngles; ++j) {
    if (!IsUsable(curve[j])) return false;
  }
  return CurveIntegral(curve) > 0.0;
}

}  // namespace

OrProblem<double> CrossSectionAt(const EnergyTable& perBin, double energyKev) {
  if (!(energyKev >= BinEnergy(1) && energyKev <= BinEnergy(kEnergyBins))) {
    return MagnitudeProblem::kEnergyOutsideTable;
  }
  const int n = static_cast<int>(std::floor(energyKev / kBinWidthKev));  // exact: the width is 2⁻¹
  if (BinEnergy(n) == energyKev) return perBin[n];
  return BetweenRows(perBin, n, energyKev);
}

OrProblem<double> MeanOverSpectrum(const EnergyTable& crossSection, const EnergyTable& fluence, int firstBin) {
  double photons = 0.0;
  double scattered = 0.0;
  for (int n = 1; n <= kEnergyBins; ++n) {
    photons += fluence[n];
    if (n >= firstBin) scattered += fluence[n] * crossSection[n];
  }
  if (!(photons > 0.0) || !std::isfinite(photons)) return MagnitudeProblem::kNoFluence;
  const double mean = scattered / photons;
  if (!IsUsable(mean)) return MagnitudeProblem::kCannotCalculate;
  return mean;
}

OrProblem<ScatteringMagnitudes> CompareMagnitudes(const MagnitudeInputs& inputs) {
  const OrProblem<AngleTable> coherent = PerDegree(inputs.coherentCrossSection, inputs.coherentShape);
  const OrProblem<AngleTable> incoherent = PerDegree(inputs.incoherentCrossSection, inputs.incoherentShape);
  if (const auto* problem = std::get_if<MagnitudeProblem>(&coherent)) return *problem;
  if (const auto* problem = std::get_if<MagnitudeProblem>(&incoherent)) return *problem;
  if (!(inputs.coherentCrossSection + inputs.incoherentCrossSection > 0.0)) return MagnitudeProblem::kCannotCalculate;
  return Combine(std::get<AngleTable>(coherent), std::get<AngleTable>(incoherent), inputs.coherentCrossSection,
                 inputs.incoherentCrossSection);
}

OrProblem<ScatteringMagnitudes> CompareAbsoluteMagnitudes(const AbsoluteInputs& in) {
  const bool usable = IsCurve(in.coherent) && IsCurve(in.incoherent) && IsUsable(in.coherentCrossSection) &&
                      IsUsable(in.incoherentCrossSection) && in.coherentCrossSection + in.incoherentCrossSection > 0.0 &&
                      IsUsable(in.coherentIntegral) && in.coherentIntegral > 0.0 &&
                      IsUsable(in.incoherentIntegral) && in.incoherentIntegral > 0.0;
  if (!usable) return MagnitudeProblem::kCannotCalculate;
  ScatteringMagnitudes m = Combine(in.coherent, in.incoherent, in.coherentCrossSection, in.incoherentCrossSection);
  m.coherentCurveIntegral = in.coherentIntegral;
  m.incoherentCurveIntegral = in.incoherentIntegral;
  m.totalCurveIntegral = m.coherentCurveIntegral + m.incoherentCurveIntegral;
  m.coherentRatio = in.coherentCrossSection / m.coherentCurveIntegral;
  m.incoherentRatio = in.incoherentCrossSection / m.incoherentCurveIntegral;
  m.fromFormFactor = true;
  return m;
}

AngleTable PerSolidAngle(const AngleTable& perDegree) {
  AngleTable perSteradian{};
  for (int j = 1; j <= kAngles; ++j) {
    const double sinTheta = TrigonometryAt(j, kProgramPi).sinTheta;
    perSteradian[j] = perDegree[j] / kRadiansPerDegree / (2.0 * kProgramPi * sinTheta);
  }
  return perSteradian;
}

double IncoherentToCoherentRatio(const ScatteringMagnitudes& magnitudes) {
  return magnitudes.incoherentCrossSection / magnitudes.coherentCrossSection;
}

}  // namespace tervolin
