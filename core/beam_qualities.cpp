#include "core/beam_qualities.h"

#include <array>
#include <cctype>
#include <cmath>

#include "core/field_number.h"
#include "core/number_text.h"
#include "core/spectrum_model.h"

namespace tervolin {

namespace {

using enum QualitySeries;

// The standard's target angle is not fixed; 12° is the program's usual anode.
constexpr const char* kQualityTargetAngle = "12";

// The solver's range of inherent filtration, in hundredths of a millimetre of Al:
// from the model's least (1.0 mm) to a filtration no diagnostic tube has.
constexpr int kThinnestHundredths = 100;
constexpr int kThickestHundredths = 1000;

// IEC 61267 (2005), tables 2 and 4: tube voltage, HVL1, h; RQA's added aluminium.
// The inherent filtrations are SolveInherentFiltration's with the shipped tables.
constexpr std::array<BeamQuality, 18> kQualities{{
    {kRqr, 2, 40, 1.42, 0.81, 0, 2.55},    {kRqr, 3, 50, 1.78, 0.76, 0, 2.40},
    {kRqr, 4, 60, 2.19, 0.74, 0, 2.48},    {kRqr, 5, 70, 2.58, 0.71, 0, 2.55},
    {kRqr, 6, 80, 3.01, 0.69, 0, 2.63},    {kRqr, 7, 90, 3.48, 0.68, 0, 2.78},
    {kRqr, 8, 100, 3.97, 0.68, 0, 2.95},   {kRqr, 9, 120, 5.00, 0.68, 0, 3.35},
    {kRqr, 10, 150, 6.57, 0.72, 0, 4.06},
    {kRqa, 2, 40, 2.2, std::nullopt, 4, 2.55},    {kRqa, 3, 50, 3.8, std::nullopt, 10, 2.40},
    {kRqa, 4, 60, 5.4, std::nullopt, 16, 2.48},   {kRqa, 5, 70, 6.8, std::nullopt, 21, 2.55},
    {kRqa, 6, 80, 8.2, std::nullopt, 26, 2.63},   {kRqa, 7, 90, 9.2, std::nullopt, 30, 2.78},
    {kRqa, 8, 100, 10.1, std::nullopt, 34, 2.95}, {kRqa, 9, 120, 11.6, std::nullopt, 40, 3.35},
    {kRqa, 10, 150, 13.3, std::nullopt, 45, 4.06},
}};

const char* SeriesName(QualitySeries series) { return series == kRqr ? "RQR" : "RQA"; }

std::string Upper(std::string_view text) {
  std::string upper;
  for (const char c : text) upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper;
}

// "8" or "10" as a number 2 … 10, no sign, no leading zero; 0 for anything else.
int QualityNumber(std::string_view digits) {
  if (digits.empty() || digits.size() > 2 || digits[0] == '0') return 0;
  int number = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return 0;
    number = number * 10 + (c - '0');
  }
  return number;
}

// The program's HVL1 (mm Al) at the voltage with the inherent filtration in hundredths.
Outcome<double> Hvl1At(double tubeVoltageKv, int hundredths, const AttenuationTables& attenuation,
                       const AirTable& air) {
  TubeSettings settings = DefaultTubeSettings();
  settings.tubeVoltage = ShortestText(tubeVoltageKv);
  settings.targetAngle = kQualityTargetAngle;
  settings.inherentFiltration = FixedText(hundredths / 100.0, 2);
  const Outcome<Spectrum> spectrum = ComputeSpectrum(settings, attenuation, air);
  if (!spectrum) return spectrum.Fault();
  if (!spectrum.Value().figures.hvl1Mm) return Problem{TextId::kCannotCalculate};
  return *spectrum.Value().figures.hvl1Mm;
}

}  // namespace

std::span<const BeamQuality> BeamQualities() { return kQualities; }

std::string QualityName(const BeamQuality& quality) {
  return std::string(SeriesName(quality.series)) + " " + std::to_string(quality.number);
}

std::optional<BeamQuality> FindBeamQuality(std::string_view name) {
  const std::string upper = Upper(FieldWord(name));
  if (upper.size() < 4) return std::nullopt;
  std::string_view digits = std::string_view(upper).substr(3);
  if (digits.starts_with(' ')) digits.remove_prefix(1);
  const int number = QualityNumber(digits);
  for (const BeamQuality& quality : kQualities) {
    if (upper.starts_with(SeriesName(quality.series)) && quality.number == number) return quality;
  }
  return std::nullopt;
}

TubeSettings QualitySettings(const BeamQuality& quality) {
  TubeSettings settings = DefaultTubeSettings();
  settings.tubeVoltage = ShortestText(quality.tubeVoltageKv);
  settings.targetAngle = kQualityTargetAngle;
  settings.inherentFiltration = FixedText(quality.inherentFiltrationMm, 2);
  settings.aluminiumFilter = ShortestText(quality.addedAluminiumMm);
  settings.copperFilter = "0";
  return settings;
}

std::optional<BeamQuality> QualityOfSettings(const TubeSettings& settings) {
  const auto same = [&settings](const TubeSettings& quality) {
    for (const SpectrumField field : kSpectrumFields) {
      const std::optional<double> typed = ReadFieldNumber(settings.Text(field));
      if (!typed || *typed != ReadFieldNumber(quality.Text(field))) return false;
    }
    return true;
  };
  for (const BeamQuality& quality : kQualities) {
    if (same(QualitySettings(quality))) return quality;
  }
  return std::nullopt;
}

void AddStandardFigures(BeamFigures& figures, const TubeSettings& settings) {
  const std::optional<BeamQuality> quality = QualityOfSettings(settings);
  if (!quality) return;
  figures.standardHvl1Mm = quality->standardHvl1Mm;
  figures.standardHomogeneity = quality->standardHomogeneity;
}

// HVL1(lo) < target ≤ HVL1(hi) is kept while the bracket halves; of the last two
// filtrations the one whose HVL1 is closer wins, the thinner on a tie.
Outcome<double> SolveInherentFiltration(double tubeVoltageKv, double targetHvl1Mm,
                                        const AttenuationTables& attenuation, const AirTable& air) {
  if (air.status != kAirTableRead) return Problem{TextId::kQualityNeedsAirTable};
  const auto hvl = [&](int hundredths) { return Hvl1At(tubeVoltageKv, hundredths, attenuation, air); };
  int lo = kThinnestHundredths, hi = kThickestHundredths;
  Outcome<double> low = hvl(lo), high = hvl(hi);
  if (!low || !high) return !low ? low : high;
  if (!(low.Value() < targetHvl1Mm && targetHvl1Mm <= high.Value())) return Problem{TextId::kQualityOutOfReach};
  while (hi - lo > 1) {
    const int mid = (lo + hi) / 2;
    const Outcome<double> middle = hvl(mid);
    if (!middle) return middle;
    (middle.Value() < targetHvl1Mm ? lo : hi) = mid;
    (middle.Value() < targetHvl1Mm ? low : high) = middle;
  }
  const bool thinner = targetHvl1Mm - low.Value() <= high.Value() - targetHvl1Mm;
  return (thinner ? lo : hi) / 100.0;
}

}  // namespace tervolin
