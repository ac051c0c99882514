#include "core/tube_settings.h"

#include "core/field_number.h"
#include "core/spectrum_physics.h"

namespace tervolin {

namespace {

double Number(const TubeSettings& settings, SpectrumField field) { return FieldNumberOrZero(settings.Text(field)); }

bool OutsideTargetAngles(double degrees) { return !TubeSettingAllowed(SpectrumField::TargetAngle, degrees); }

// A negative added filter would amplify the low-energy bins.
bool Negative(double millimetres) { return !TubeSettingAllowed(SpectrumField::AluminiumFilter, millimetres); }

// The check of one setting: what an empty text says (kCount: an empty text is no
// filter, 0 mm), what a text that is not one number says, what a number refused here
// says (the model's range is checked after all of them), and whether the field then
// gets its default text (false: it is left as it is).
struct FieldCheck {
  SpectrumField field;
  TextId whenEmpty;
  TextId whenNotANumber;
  bool (*refused)(double value);
  TextId whenRefused;
  bool resetToDefault;
};

const FieldCheck kFieldChecks[] = {
    {SpectrumField::TubeVoltage, TextId::kEnterTubeVoltage, TextId::kTubeVoltageNotANumber, nullptr, TextId::kCount,
     false},
    {SpectrumField::TargetAngle, TextId::kReenterTargetAngle, TextId::kTargetAngleNotANumber, OutsideTargetAngles,
     TextId::kReenterTargetAngle, true},
    {SpectrumField::InherentFiltration, TextId::kReenterInherentFiltration, TextId::kInherentFiltrationNotANumber,
     nullptr, TextId::kCount, true},
    {SpectrumField::AluminiumFilter, TextId::kCount, TextId::kAluminiumFilterNotANumber, Negative,
     TextId::kReenterAluminiumFilter, true},
    {SpectrumField::CopperFilter, TextId::kCount, TextId::kCopperFilterNotANumber, Negative,
     TextId::kReenterCopperFilter, true},
};

// What is wrong with the setting's text, if anything.
std::optional<TextId> FieldFault(const FieldCheck& check, const std::string& text) {
  if (text.empty()) return check.whenEmpty == TextId::kCount ? std::nullopt : std::optional(check.whenEmpty);
  const std::optional<double> value = ReadFieldNumber(text);
  if (!value) return check.whenNotANumber;
  if (check.refused != nullptr && check.refused(*value)) return check.whenRefused;
  return std::nullopt;
}

std::optional<Problem> RefusedSetting(const TubeSettings& settings) {
  for (const FieldCheck& check : kFieldChecks) {
    const std::optional<TextId> fault = FieldFault(check, settings.Text(check.field));
    if (!fault) continue;
    if (!check.resetToDefault) return Problem{*fault};
    return Problem{*fault, FieldReset{check.field, DefaultSpectrumFieldText(check.field)}};
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

bool TubeSettingAllowed(SpectrumField field, double value) {
  switch (field) {
    case SpectrumField::TubeVoltage: return value >= kMinTubeVoltageKv && value <= kMaxTubeVoltageKv;
    case SpectrumField::InherentFiltration: return value * kMillimetresToCm >= kMinInherentFiltrationCm;
    case SpectrumField::AluminiumFilter:
    case SpectrumField::CopperFilter: return value >= 0.0;
    case SpectrumField::TargetAngle: break;
  }
  return value >= 1.0 && value < kMaxTargetAngleDeg;
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
  if (auto refused = RefusedSetting(settings)) return refused;
  return CheckTubeRange(settings);
}

TubeFigures ReadTubeFigures(const TubeSettings& s) {
  return {Number(s, SpectrumField::TubeVoltage), Number(s, SpectrumField::TargetAngle),
          Number(s, SpectrumField::InherentFiltration) * kMillimetresToCm,
          Number(s, SpectrumField::AluminiumFilter) * kMillimetresToCm,
          Number(s, SpectrumField::CopperFilter) * kMillimetresToCm};
}

}  // namespace tervolin
