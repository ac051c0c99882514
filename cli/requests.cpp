#include "cli/requests.h"

#include <optional>

#include "core/field_number.h"
#include "core/beam_qualities.h"
#include "core/decimal_number.h"
#include "core/spectrum_physics.h"
#include "data/shown_item.h"
#include "graphs/palette.h"

namespace tervolin::cli {

namespace {

// A spectrum field's option, the range the spectrum screen accepts (tested on the
// value as the spectrum model computes with it) and what the option accepts.
struct SpectrumOption {
  SpectrumField field;
  const char* name;
  bool (*accepted)(double value);
  const char* rule;
  const char* accepts;
};

constexpr SpectrumOption kSpectrumOptions[] = {
    {SpectrumField::TubeVoltage, "--kv",
     [](double kv) { return kv >= kMinTubeVoltageKv && kv <= kMaxTubeVoltageKv; }, "must be 30 to 150 kV",
     "a number from 30 to 150 (kV)"},
    {SpectrumField::InherentFiltration, "--inherent",
     [](double mm) { return mm * kMillimetresToCm >= kMinInherentFiltrationCm; }, "must be at least 1 mm",
     "a number of at least 1 (mm)"},
    {SpectrumField::AluminiumFilter, "--al", [](double mm) { return mm >= 0.0; }, "must not be negative",
     "a number of 0 or more (mm)"},
    {SpectrumField::CopperFilter, "--cu", [](double mm) { return mm >= 0.0; }, "must not be negative",
     "a number of 0 or more (mm)"},
    {SpectrumField::TargetAngle, "--target-angle",
     [](double deg) { return deg >= 1.0 && deg < kMaxTargetAngleDeg; }, "must be at least 1 and below 90 degrees",
     "a number from 1 to below 90 (degrees)"},
};

constexpr const char* kEnergyAccepts = "a number above 0 (keV)";

// The option's value, read as the screens read a field ("100", " 2.5 ", "1E2",
// "１００"); throws UsageError naming the option and what it accepts.
double NumberOf(const std::string& name, const std::string& text, const char* accepts) {
  const std::optional<double> value = ReadFieldNumber(text);
  if (!value) throw UsageError(name + " \"" + ShownArgument(text) + "\" is not " + accepts);
  return *value;
}

// The typed text; the tube voltage has no default, the others open as on the screen.
std::string OptionText(const Invocation& invocation, const SpectrumOption& option) {
  if (option.field == SpectrumField::TubeVoltage) return Required(invocation, option.name);
  const std::string* given = invocation.Value(option.name);
  return given ? *given : DefaultSpectrumFieldText(option.field);
}

ScatterKind ScatterOf(const std::string& text) {
  if (text == "coherent") return kCoherent;
  if (text == "incoherent") return kIncoherent;
  throw UsageError("--scattering \"" + ShownArgument(text) + "\" must be coherent or incoherent");
}

// The quality's settings; the tube's own options would contradict them.
TubeSettings QualityRequest(const Invocation& invocation, const std::string& name) {
  for (const SpectrumOption& option : kSpectrumOptions) {
    if (invocation.Has(option.name)) throw UsageError("--quality and " + std::string(option.name) + " exclude each other");
  }
  const std::optional<BeamQuality> quality = FindBeamQuality(name);
  if (!quality) {
    throw UsageError("--quality \"" + ShownArgument(name) + "\" is not a beam quality (see: tervolin-calc qualities)");
  }
  return QualitySettings(*quality);
}

}  // namespace

std::string OptionNameOf(SpectrumField field) {
  for (const SpectrumOption& option : kSpectrumOptions) {
    if (option.field == field) return option.name;
  }
  return {};
}

const std::string& Required(const Invocation& invocation, const std::string& name) {
  const std::string* text = invocation.Value(name);
  if (text == nullptr) throw UsageError(name + " is missing");
  return *text;
}

TubeSettings SpectrumRequest(const Invocation& invocation) {
  if (const std::string* quality = invocation.Value("--quality")) return QualityRequest(invocation, *quality);
  TubeSettings settings;
  for (const SpectrumOption& option : kSpectrumOptions) {
    const std::string text = OptionText(invocation, option);
    if (!option.accepted(NumberOf(option.name, text, option.accepts))) {
      throw UsageError(std::string(option.name) + " " + ShownArgument(text) + " " + option.rule);
    }
    settings.Text(option.field) = text;
  }
  return settings;
}

EnergyRequest MakeEnergyRequest(const Invocation& invocation) {
  if (const std::string* energy = invocation.Value("--energy")) {
    for (const SpectrumOption& option : kSpectrumOptions) {
      if (invocation.Has(option.name)) throw UsageError("--energy and " + std::string(option.name) + " exclude each other");
    }
    if (invocation.Has("--quality")) throw UsageError("--energy and --quality exclude each other");
    if (!(NumberOf("--energy", *energy, kEnergyAccepts) > 0.0)) throw UsageError("--energy " + ShownArgument(*energy) + " must be above 0 keV");
    return {*energy, std::nullopt};
  }
  if (!invocation.Has("--kv") && !invocation.Has("--quality")) throw UsageError("--energy, --kv or --quality is missing");
  return {std::nullopt, SpectrumRequest(invocation)};
}

AnglesRequest MakeAnglesRequest(const Invocation& invocation) {
  AnglesRequest request{ScatterOf(Required(invocation, "--scattering")),
                        Required(invocation, "--material"), std::nullopt, std::nullopt,
                        {invocation.Has("--free-electron"), invocation.Has("--per-solid-angle")}};
  EnergyRequest energy = MakeEnergyRequest(invocation);
  request.energyText = std::move(energy.energyText);
  request.spectrum = std::move(energy.spectrum);
  return request;
}

int CurveColourIndex(const Invocation& curve) {
  const std::string* text = curve.Value("--colour");
  if (text == nullptr || *text == "red") return kPaletteRed;
  if (*text == "darkgreen") return kPaletteDarkGreen;
  if (*text == "blue") return kPaletteBlue;
  throw UsageError("--colour \"" + ShownArgument(*text) + "\" must be red, darkgreen or blue");
}

Format OutputFormat(const Invocation& invocation, bool datAllowed) {
  const std::string* text = invocation.Value("--format");
  if (text == nullptr || *text == "csv") return Format::Csv;
  if (*text == "tsv") return Format::Tsv;
  if (*text == "dat" && datAllowed) return Format::Dat;
  throw UsageError("--format \"" + ShownArgument(*text) + (datAllowed ? "\" must be csv, tsv or dat" : "\" must be csv or tsv"));
}

}  // namespace tervolin::cli
