#pragma once
// The X-ray tube's exposure conditions as the user typed them, and their check. A
// setting's text must read wholly as one number (core/field_number.h); the labels
// show the value read, not the text.

#include <optional>
#include <string>

#include "core/outcome.h"

namespace tervolin {

struct TubeSettings {
  std::string tubeVoltage;         // kV
  std::string targetAngle;         // degrees
  std::string inherentFiltration;  // mm aluminium equivalent
  std::string aluminiumFilter;     // mm
  std::string copperFilter;        // mm

  std::string& Text(SpectrumField field);
  const std::string& Text(SpectrumField field) const;
};

inline constexpr SpectrumField kSpectrumFields[] = {
    SpectrumField::TubeVoltage, SpectrumField::InherentFiltration, SpectrumField::AluminiumFilter,
    SpectrumField::CopperFilter, SpectrumField::TargetAngle};

// The text of a setting when the spectrum screen opens: 100 kV, 12°, 2.5 mm Al
// equivalent, 0 mm aluminium, 0 mm copper.
const char* DefaultSpectrumFieldText(SpectrumField field);
TubeSettings DefaultTubeSettings();

// The first problem of the settings, field by field in this order: the tube voltage
// missing or not a number; the target angle missing, not a number or outside
// 1° … 90°; the inherent filtration missing or not a number; an added filter not a
// number or negative (an empty one is no filter); then the tube voltage outside
// 30 … 150 kV and the inherent filtration below 1.0 mm. Nothing when the spectrum
// can be computed from them.
std::optional<Problem> CheckTubeSettings(const TubeSettings& settings);
// Only the second half: the range of the spectrum model, which it checks itself.
std::optional<Problem> CheckTubeRange(const TubeSettings& settings);
// The rule of both halves for one setting's value, in the field's unit (kV, degrees,
// mm): whether the spectrum can be computed with it. Every front end that checks a
// setting of its own asks this.
bool TubeSettingAllowed(SpectrumField field, double value);

// The settings in the units the spectrum model computes with.
struct TubeFigures {
  double tubeVoltageKv;
  double targetAngleDeg;
  double inherentCm;   // aluminium equivalent
  double aluminiumCm;
  double copperCm;
  friend bool operator==(const TubeFigures&, const TubeFigures&) = default;
};
TubeFigures ReadTubeFigures(const TubeSettings& settings);

}  // namespace tervolin
