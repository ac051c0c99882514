#include "core/tube_settings.h"

#include "core/leading_number.h"
#include "core/spectrum_physics.h"

namespace tervolin {

namespace {

double Number(const TubeSettings& settings, SpectrumField field) { return ReadLeadingNumber(settings.Text(field)); }

bool IsEmpty(const std::string& text) { return text.empty(); }

// Empty, or an angle outside 1° … 90° by its leading number: at 90° and beyond the
// anode's self-absorption would turn into a gain.
bool IsEmptyOrNotATargetAngle(const std::string& text) {
  const double degrees = ReadLeadingNumber(text);
  return text.empty() || degrees < 1.0 || degrees >= kMaxTargetAngleDeg;
}

// A negative added filter would amplify the low-energy bins.
bool IsNegative(const std::string& text) { return ReadLeadingNumber(text) < 0.0; }

// A check of a setting that must be typed: the message, and whether the field then
// gets its default text (false: it is left as it is).
struct PresenceCheck {
  SpectrumField field;
  bool (*missing)(const std::string& text);
  TextId kind;
  bool resetToDefault;
};

const PresenceCheck kPresenceChecks[] = {
    {SpectrumField::TubeVoltage, IsEmpty, TextId::kEnterTubeVoltage, false},
    {SpectrumField::TargetAngle, IsEmptyOrNotATargetAngle, TextId::kReenterTargetAngle, true},
    {SpectrumField::InherentFiltration, IsEmpty, TextId::kReenterInherentFiltration, true},
    {SpectrumField::AluminiumFilter, IsNegative, TextId::kReenterAluminiumFilter, true},
    {SpectrumField::CopperFilter, IsNegative, TextId::kReenterCopperFilter, true},
};

std::optional<Problem> MissingSetting(const TubeSettings& settings) {
  for (const PresenceCheck& check : kPresenceChecks) {
    if (!check.missing(settings.Text(check.field))) continue;
    if (!check.resetToDefault) return Problem{check.kind};
    return Problem{check.kind, FieldReset{check.field, DefaultSpectrumFieldText(check.field)}};
  }
  return std::nullopt;
}

}  // namespace

// The model's range: the field is reset to the limit it crossed.
std::optional<Problem> CheckTubeRange(const TubeSettings& settings) {
  const double voltage = Number(settings, SpectrumField::TubeVoltage);
  if (voltage > kMaxTubeVoltageKv) return Problem{TextId::kMaxTubeVoltage, FieldReset{SpectrumField::TubeVoltage, "150"}};
  if (voltage < kMinTubeVoltageKv) return Problem{TextId::kMinTubeVoltage, FieldReset{SpectrumField::TubeVoltage, "30"}};
  if (Number(settings, SpectrumField::InherentFiltration) * kMillimetresToCm < kMinInherentFiltrationCm) {
    return Problem{TextId::kMinInherentFiltration, FieldReset{SpectrumField::InherentFiltration, "1"}};
  }
  return std::nullopt;
}

std::string& TubeSettings::Text(SpectrumField field) {
  return const_cast<std::string&>(static_cast<const TubeSettings&>(*this).Text(field));
}

const std::string& TubeSettings::Text(SpectrumField field) const {
  switch (field) {
    case SpectrumField::TubeVoltage: return tubeVoltage;
    case SpectrumField::InherentFiltration: return inherentFiltration;
    case SpectrumField::AluminiumFilter: return aluminiumFilter;
    case SpectrumField::CopperFilter: return copperFilter;
    case SpectrumField::TargetAngle: break;
  }
  return targetAngle;
}

const char* DefaultSpectrumFieldText(SpectrumField field) {
  switch (field) {
    case SpectrumField::TubeVoltage: return "100";
    case SpectrumField::InherentFiltration: return "2.5";
    case SpectrumField::AluminiumFilter: return "0";
    case SpectrumField::CopperFilter: return "0";
    case SpectrumField::TargetAngle: return "12";
  }
  return "";
}

TubeSettings DefaultTubeSettings() {
  TubeSettings settings;
  for (const SpectrumField field : kSpectrumFields) settings.Text(field) = DefaultSpectrumFieldText(field);
  return settings;
}

std::optional<Problem> CheckTubeSettings(const TubeSettings& settings) {
  if (auto missing = MissingSetting(settings)) return missing;
  return CheckTubeRange(settings);
}

TubeFigures ReadTubeFigures(const TubeSettings& s) {
  return {Number(s, SpectrumField::TubeVoltage), Number(s, SpectrumField::TargetAngle),
          Number(s, SpectrumField::InherentFiltration) * kMillimetresToCm,
          Number(s, SpectrumField::AluminiumFilter) * kMillimetresToCm,
          Number(s, SpectrumField::CopperFilter) * kMillimetresToCm};
}

}  // namespace tervolin
