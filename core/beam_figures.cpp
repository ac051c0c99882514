#include "core/beam_figures.h"

#include <cmath>
#include <numbers>

#include "core/number_text.h"
#include "core/spectrum_physics.h"

namespace tervolin {

namespace {

// The half-value layers are found to a tenth of a micrometre, so that their three
// decimals in millimetres are right; bisection halves the bracket each step, and a
// bracket of at most 40 mm (ln 4 / 0.37 cm⁻¹, aluminium at 150 keV) needs 19 steps.
inline constexpr double kThicknessToleranceMm = 1e-4;
inline constexpr int kMaxBisectionSteps = 64;

// Aluminium's K edge lies at 1.56 keV; bins from 2.0 keV on fall smoothly.
inline constexpr int kFirstBinAboveAluminiumKEdge = 4;
// ln 2 / HVL1 of a beam of one energy comes back as that energy's coefficient
// only to within rounding; so close to either end of the column it still counts.
inline constexpr double kCoefficientRounding = 1e-12;

inline constexpr double kLn2 = std::numbers::ln2;

double Sum(const EnergyTable& table) {
  double sum = 0.0;
  for (int n = 1; n <= kEnergyBins; ++n) sum += table[n];
  return sum;
}

struct Coefficients {
  double smallest;  // 1/cm
  double largest;   // 1/cm
};

// The range of μ_Al over the bins that hold kerma; nothing if one is not positive.
std::optional<Coefficients> CoefficientRange(const EnergyTable& kerma, const EnergyTable& muAluminium) {
  Coefficients range{INFINITY, 0.0};
  for (int n = 1; n <= kEnergyBins; ++n) {
    if (!(kerma[n] > 0.0)) continue;
    if (!(muAluminium[n] > 0.0) || !std::isfinite(muAluminium[n])) return std::nullopt;
    range.smallest = std::min(range.smallest, muAluminium[n]);
    range.largest = std::max(range.largest, muAluminium[n]);
  }
  if (!(range.largest > 0.0)) return std::nullopt;
  return range;
}

// x where the log-log line through (x0, y0) and (x1, y1) reaches y.
double LogLogInverse(double x0, double y0, double x1, double y1, double y) {
  const double slope = (std::log(x1) - std::log(x0)) / (std::log(y1) - std::log(y0));
  return std::exp(std::log(x0) + (std::log(y) - std::log(y0)) * slope);
}

std::optional<double> Homogeneity(const BeamFigures& f) {
  if (!f.hvl1Mm || !f.hvl2Mm || !(*f.hvl2Mm > 0.0)) return std::nullopt;
  return *f.hvl1Mm / *f.hvl2Mm;
}

std::optional<TextId> AirTableProblem(AirTableStatus status) {
  switch (status) {
    case kAirTableRead: return std::nullopt;
    case kAirTableUnusable: return TextId::kAirTableUnusable;
    default: return TextId::kAirTableMissing;
  }
}

}  // namespace

std::optional<double> MeanEnergy(const EnergyTable& fluence) {
  double weighted = 0.0;
  for (int n = 1; n <= kEnergyBins; ++n) weighted += fluence[n] * BinEnergy(n);
  const double total = Sum(fluence);
  if (!(total > 0.0)) return std::nullopt;
  return weighted / total;
}

EnergyTable AirKerma(const EnergyTable& fluence, const EnergyTable& muenAir) {
  EnergyTable kerma{};
  for (int n = 1; n <= kEnergyBins; ++n) kerma[n] = fluence[n] * BinEnergy(n) * muenAir[n];
  return kerma;
}

double TransmittedKerma(const EnergyTable& kerma, const EnergyTable& muAluminium, double thicknessMm) {
  const double thicknessCm = thicknessMm * kMillimetresToCm;
  double passed = 0.0;
  for (int n = 1; n <= kEnergyBins; ++n) {
    if (kerma[n] > 0.0) passed += kerma[n] * std::exp(-muAluminium[n] * thicknessCm);
  }
  return passed / Sum(kerma);
}

// The share falls monotonically with the thickness and lies between exp(−μmax t)
// and exp(−μmin t), which bracket the answer.
std::optional<double> AluminiumThicknessFor(const EnergyTable& kerma, const EnergyTable& muAluminium,
                                            double share) {
  const std::optional<Coefficients> range = CoefficientRange(kerma, muAluminium);
  if (!range || !(Sum(kerma) > 0.0)) return std::nullopt;
  double thin = -std::log(share) / range->largest / kMillimetresToCm;
  double thick = -std::log(share) / range->smallest / kMillimetresToCm;
  for (int step = 0; step < kMaxBisectionSteps && thick - thin > kThicknessToleranceMm; ++step) {
    const double middle = 0.5 * (thin + thick);
    (TransmittedKerma(kerma, muAluminium, middle) > share ? thin : thick) = middle;
  }
  return 0.5 * (thin + thick);
}

std::optional<double> EffectiveEnergy(const EnergyTable& muAluminium, double hvl1Mm) {
  const double mu = kLn2 / (hvl1Mm * kMillimetresToCm);  // 1/cm
  const double rounding = kCoefficientRounding * mu;  // a beam of the last bin's energy
  for (int n = kFirstBinAboveAluminiumKEdge; n < kEnergyBins; ++n) {
    const double high = muAluminium[n], low = muAluminium[n + 1];
    if (!(high + rounding >= mu && mu + rounding >= low && low > 0.0)) continue;
    if (high == low) return BinEnergy(n);
    return LogLogInverse(BinEnergy(n), high, BinEnergy(n + 1), low, mu);
  }
  return std::nullopt;
}

BeamFigures ComputeBeamFigures(const EnergyTable& fluence, const EnergyTable& muAluminium, const AirTable& air) {
  BeamFigures f;
  f.meanEnergyKev = MeanEnergy(fluence);
  f.problem = AirTableProblem(air.status);
  if (f.problem) return f;
  const EnergyTable kerma = AirKerma(fluence, air.muen);
  f.hvl1Mm = AluminiumThicknessFor(kerma, muAluminium, 0.5);
  const std::optional<double> quarter = AluminiumThicknessFor(kerma, muAluminium, 0.25);
  if (f.hvl1Mm && quarter) f.hvl2Mm = *quarter - *f.hvl1Mm;
  f.homogeneity = Homogeneity(f);
  if (f.hvl1Mm) f.effectiveEnergyKev = EffectiveEnergy(muAluminium, *f.hvl1Mm);
  return f;
}

std::string FormatFigure(const std::optional<double>& value, int decimals) {
  if (!value || !std::isfinite(*value)) return "—";
  return FixedText(*value, decimals);
}

std::array<BeamFigureLine, 5> BeamFigureLines(const BeamFigures& f) {
  return {{{"mean energy", f.meanEnergyKev, 2, "keV"},
           {"effective energy", f.effectiveEnergyKev, 2, "keV"},
           {"HVL1", f.hvl1Mm, 3, "mm Al"},
           {"HVL2", f.hvl2Mm, 3, "mm Al"},
           {"homogeneity coefficient", f.homogeneity, 3, ""}}};
}

std::string FormatBeamFigureLine(const BeamFigureLine& line) {
  const bool unit = line.value && *line.unit != '\0';
  return std::string(line.name) + ": " + FormatFigure(line.value, line.decimals) + (unit ? " " : "") +
         (unit ? line.unit : "") + "\n";
}

std::string FormatBeamFigures(const BeamFigures& f) {
  std::string text;
  for (const BeamFigureLine& line : BeamFigureLines(f)) text += FormatBeamFigureLine(line);
  return text;
}

}  // namespace tervolin
