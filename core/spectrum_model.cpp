#include "core/spectrum_model.h"

#include <array>
#include <optional>

#include "core/failure_rule.h"
#include "core/spectrum_physics.h"

namespace tervolin {

namespace {

// The four tungsten K lines: bin (0.5 keV each) and share of the K-line intensity,
// in the order they are added.
struct KLine {
  int bin;
  double share;
};
inline constexpr std::array<KLine, 4> kKLines{{
    {119, 0.5048},  // Kα1, 59.5 keV
    {116, 0.2908},  // Kα2, 58.0 keV
    {134, 0.162},   // Kβ1, 67.0 keV
    {138, 0.0424},  // Kβ2, 69.0 keV
}};

// A finished computation, before it becomes a Spectrum.
struct SpectrumResult {
  int lastBin;
  EnergyTable target;
  EnergyTable fluence;
  double unscaledMaximum;
};

// Adds the four K lines, together f_K percent of the bremsstrahlung in bins 2…N.
void AddKLines(double tubeVoltageKv, int lastBin, EnergyTable& target) {
  double total = 0.0;
  for (int n = 2; n <= lastBin; ++n) total = Checked(total + target[n]);
  const double intensity = Checked(total * KLinePercentage(tubeVoltageKv) * 0.01);
  for (const KLine& line : kKLines) {
    target[line.bin] = Checked(target[line.bin] + intensity * line.share);
  }
}

// Divides bins 2…N by their largest value, which it returns; what is then
// negligible becomes 0.
double ScaleToMaximum(int lastBin, EnergyTable& fluence) {
  double maximum = 0.0;
  for (int n = 2; n <= lastBin; ++n) {
    if (fluence[n] > maximum) maximum = fluence[n];
  }
  if (!(maximum > 0.0)) throw ArithmeticFailure("no bin of the spectrum is positive");
  for (int n = 2; n <= lastBin; ++n) {
    fluence[n] = CheckedDivide(fluence[n], maximum);
    if (fluence[n] <= kNegligibleFluence) fluence[n] = 0.0;
  }
  return maximum;
}

// The spectrum leaving the anode, then filtered and scaled; throws ArithmeticFailure.
SpectrumResult FilteredSpectrum(const TubeFigures& in, const AttenuationTables& mu) {
  const SpectrumConstants k{in.tubeVoltageKv, TargetAngleCotangent(in.targetAngleDeg),
                            ThomsonWhiddingtonConstant(in.tubeVoltageKv)};
  const Filtration filters{in.inherentCm, in.aluminiumCm, in.copperCm};
  SpectrumResult r{LastComputedBin(in.tubeVoltageKv), EnergyTable{}, EnergyTable{}, 0.0};
  for (int n = 2; n <= r.lastBin; ++n) r.target[n] = TargetBremsstrahlung(n, mu.tungsten[n], k);
  if (in.tubeVoltageKv > kKLineThresholdKv) AddKLines(in.tubeVoltageKv, r.lastBin, r.target);
  for (int n = 2; n <= r.lastBin; ++n) {
    r.fluence[n] = FilteredFluence(n, r.target[n], mu.aluminium[n], mu.copper[n], filters);
  }
  r.unscaledMaximum = ScaleToMaximum(r.lastBin, r.fluence);
  return r;
}

}  // namespace

Outcome<Spectrum> ComputeSpectrum(const TubeSettings& settings, const AttenuationTables& attenuation,
                                  const AirTable& air) {
  if (std::optional<Problem> refused = CheckTubeRange(settings)) return *refused;
  Spectrum spectrum{settings, {}, {}, 0.0, {}};
  try {
    const SpectrumResult r = FilteredSpectrum(ReadTubeFigures(settings), attenuation);
    spectrum.target = r.target;
    spectrum.fluence = r.fluence;
    spectrum.unscaledMaximum = r.unscaledMaximum;
  } catch (const ArithmeticFailure&) {
    return Problem{TextId::kCannotCalculate};
  }
  spectrum.figures = ComputeBeamFigures(spectrum.fluence, attenuation.aluminium, air);
  return spectrum;
}

EnergyTable FluenceOnCommonScale(const Spectrum& spectrum, double largestMaximum) {
  EnergyTable fluence = spectrum.fluence;
  if (!(largestMaximum > 0.0)) return fluence;  // no computed spectrum to compare with
  const double factor = spectrum.unscaledMaximum / largestMaximum;
  for (double& value : fluence) value *= factor;
  return fluence;
}

}  // namespace tervolin
