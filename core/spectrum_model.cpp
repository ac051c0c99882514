#include "core/spectrum_model.h"

#include <array>
#include <optional>

#include "core/failure_rule.h"
#include "core/figures_box.h"
#include "core/host.h"
#include "core/leading_number.h"
#include "core/messages.h"
#include "core/shared_state.h"
#include "core/spectrum_graph.h"
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

struct SpectrumInputs {
  double tubeVoltageKv;
  double targetAngleDeg;
  Filtration filters;
};

// A finished computation, kept apart from the shared state until it has succeeded.
struct SpectrumResult {
  int lastBin;
  EnergyTable target;
  EnergyTable fluence;
};

double FieldNumber(SpectrumField field) {
  return ReadLeadingNumber(CurrentHost().SpectrumFieldText(field));
}

void Reject(SpectrumField field, const char* message, const char* replacement) {
  CurrentHost().ShowWarning(message);
  CurrentHost().SetSpectrumFieldText(field, replacement);
}

// The fields as numbers, or nothing after a rejected tube voltage or inherent
// filtration (message shown and field reset).
std::optional<SpectrumInputs> ReadCheckedInputs() {
  const double voltage = FieldNumber(SpectrumField::TubeVoltage);
  if (voltage > kMaxTubeVoltageKv) {
    Reject(SpectrumField::TubeVoltage, msg::kMaxTubeVoltage, "150");
    return std::nullopt;
  }
  if (voltage < kMinTubeVoltageKv) {
    Reject(SpectrumField::TubeVoltage, msg::kMinTubeVoltage, "30");
    return std::nullopt;
  }
  const double angle = FieldNumber(SpectrumField::TargetAngle);
  const double inherent = FieldNumber(SpectrumField::InherentFiltration) * kMillimetresToCm;
  if (inherent < kMinInherentFiltrationCm) {
    Reject(SpectrumField::InherentFiltration, msg::kMinInherentFiltration, "1");
    return std::nullopt;
  }
  const double aluminium = FieldNumber(SpectrumField::AluminiumFilter) * kMillimetresToCm;
  const double copper = FieldNumber(SpectrumField::CopperFilter) * kMillimetresToCm;
  return SpectrumInputs{voltage, angle, {inherent, aluminium, copper}};
}

// Adds the four K lines, together f_K percent of the bremsstrahlung in bins 2…N.
void AddKLines(double tubeVoltageKv, int lastBin, EnergyTable& target) {
  double total = 0.0;
  for (int n = 2; n <= lastBin; ++n) total = Checked(total + target[n]);
  const double intensity = Checked(total * KLinePercentage(tubeVoltageKv) * 0.01);
  for (const KLine& line : kKLines) {
    target[line.bin] = Checked(target[line.bin] + intensity * line.share);
  }
}

// Divides bins 2…N by their largest value; what is then negligible becomes 0.
void ScaleToMaximum(int lastBin, EnergyTable& fluence) {
  double maximum = 0.0;
  for (int n = 2; n <= lastBin; ++n) {
    if (fluence[n] > maximum) maximum = fluence[n];
  }
  if (!(maximum > 0.0)) throw ArithmeticFailure("no bin of the spectrum is positive");
  for (int n = 2; n <= lastBin; ++n) {
    fluence[n] = CheckedDivide(fluence[n], maximum);
    if (fluence[n] <= kNegligibleFluence) fluence[n] = 0.0;
  }
}

// The spectrum leaving the anode, then filtered and scaled; throws ArithmeticFailure.
SpectrumResult ComputeSpectrum(const SpectrumInputs& in, const EnergyTable& previousTarget) {
  const SharedState& s = Shared();
  const SpectrumConstants k{in.tubeVoltageKv, TargetAngleCotangent(in.targetAngleDeg),
                            ThomsonWhiddingtonConstant(in.tubeVoltageKv)};
  SpectrumResult r{LastComputedBin(in.tubeVoltageKv), previousTarget, EnergyTable{}};
  for (int n = 2; n <= r.lastBin; ++n) r.target[n] = TargetBremsstrahlung(n, s.MuTungsten[n], k);
  if (in.tubeVoltageKv > kKLineThresholdKv) AddKLines(in.tubeVoltageKv, r.lastBin, r.target);
  for (int n = 2; n <= r.lastBin; ++n) {
    r.fluence[n] = FilteredFluence(n, r.target[n], s.MuAluminium[n], s.MuCopper[n], in.filters);
  }
  ScaleToMaximum(r.lastBin, r.fluence);
  return r;
}

}  // namespace

void CalculateSpectrum() {
  SharedState& s = Shared();
  const std::optional<SpectrumInputs> inputs = ReadCheckedInputs();
  if (!inputs) return;
  try {
    const SpectrumResult r = ComputeSpectrum(*inputs, s.TargetSpectrum);
    s.TargetSpectrum = r.target;
    s.SpectrumFluence = r.fluence;  // bins 1 and above N are 0
  } catch (const ArithmeticFailure&) {
    CurrentHost().ShowWarning(msg::kCannotCalculate);
    return;
  }
  s.SpectrumShown = 1;
  DrawSpectrumCurve(s.SpectrumFluence);
  DrawFiguresBox(ComputeBeamFigures(s.SpectrumFluence));
}

void AcceptComputedSpectrum() {
  Shared().AcceptedSpectrum = Shared().SpectrumFluence;
  Shared().SpectrumReady = 1;
}

}  // namespace tervolin
