#include "core/spectrum_model.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <span>

#include "core/failure_rule.h"
#include "core/number_text.h"
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
// negligible becomes 0. A bin whose fluence fell below the smallest normal double
// (2.2e-308) has lost its digits to underflow: it holds no photon and becomes 0 first.
double ScaleToMaximum(int lastBin, EnergyTable& fluence) {
  double maximum = 0.0;
  for (int n = 2; n <= lastBin; ++n) {
    if (fluence[n] < std::numeric_limits<double>::min()) fluence[n] = 0.0;
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

// The largest optical depth μ·t of the filters together that a spectrum is computed
// with, in the bin they attenuate least: e^(−600) = 2.7e-261 keeps that bin's fluence
// (the anode's smallest value there, about 1e-5, over E ≤ 150 keV) above 1e-268, a
// normal double with all its digits (e^(−708) is the last), so the spectrum is
// scaled to a bin that holds photons.
inline constexpr double kLargestOpticalDepth = 600.0;

// A filter's thickness as computed with (cm) and the coefficients it attenuates with.
struct FilterLayer {
  SpectrumField field;
  double thicknessCm;
  const EnergyTable& mu;  // 1/cm
};

// The optical depth of the filters in bin n, all of them or all but `skipped`.
double FiltersDepth(std::span<const FilterLayer> layers, int n, const FilterLayer* skipped = nullptr) {
  double depth = 0.0;
  for (const FilterLayer& layer : layers) {
    if (&layer != skipped) depth += layer.mu[n] * layer.thicknessCm;
  }
  return depth;
}

// The bin up to the tube voltage that the filters attenuate least.
int LeastAttenuatedBin(std::span<const FilterLayer> layers, int lastBin) {
  int least = 2;
  for (int n = 3; n <= lastBin; ++n) {
    if (FiltersDepth(layers, n) < FiltersDepth(layers, least)) least = n;
  }
  return least;
}

// The thickness of `layer` (mm) that, with the other filters as they are, leaves
// some bin within the largest optical depth.
double LargestThicknessMm(std::span<const FilterLayer> layers, const FilterLayer& layer, int lastBin) {
  double largestCm = 0.0;
  for (int n = 2; n <= lastBin; ++n) {
    largestCm = std::max(largestCm, (kLargestOpticalDepth - FiltersDepth(layers, n, &layer)) / layer.mu[n]);
  }
  return largestCm / kMillimetresToCm;
}

// Filters too thick to compute with: the optical depth of the bin they attenuate
// least exceeds kLargestOpticalDepth. The problem names the filter that attenuates
// most in that bin, its thickness as typed and the largest thickness (rounded down to
// 0.1 mm) that this same test lets through.
std::optional<Problem> FiltersTooThick(const TubeSettings& settings, const AttenuationTables& mu) {
  const TubeFigures in = ReadTubeFigures(settings);
  const int lastBin = LastComputedBin(in.tubeVoltageKv);
  const FilterLayer layers[] = {{SpectrumField::InherentFiltration, in.inherentCm, mu.aluminium},
                                {SpectrumField::AluminiumFilter, in.aluminiumCm, mu.aluminium},
                                {SpectrumField::CopperFilter, in.copperCm, mu.copper}};
  const int n = LeastAttenuatedBin(layers, lastBin);
  const FilterLayer& thickest = *std::max_element(std::begin(layers), std::end(layers), [n](auto& a, auto& b) {
    return a.mu[n] * a.thicknessCm < b.mu[n] * b.thicknessCm;
  });
  if (!(FiltersDepth(layers, n) > kLargestOpticalDepth)) return std::nullopt;
  const double largestMm = std::floor(LargestThicknessMm(layers, thickest, lastBin) * 10.0) / 10.0;
  return Problem{TextId::kFilterTooThick, FieldReset{thickest.field, DefaultSpectrumFieldText(thickest.field)},
                 {settings.Text(thickest.field), GeneralText(std::max(largestMm, 0.0), 15)}};
}

}  // namespace

Outcome<Spectrum> ComputeSpectrum(const TubeSettings& settings, const AttenuationTables& attenuation,
                                  const AirTable& air) {
  if (std::optional<Problem> refused = CheckTubeRange(settings)) return *refused;
  if (std::optional<Problem> refused = FiltersTooThick(settings, attenuation)) return *refused;
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
