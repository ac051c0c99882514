#include "cli/requests.h"
#include "core/message_language.h"

#include <optional>

#include "core/field_number.h"
#include "core/beam_qualities.h"
#include "data/shown_item.h"
#include "graphs/palette.h"

namespace tervolin::cli {

namespace {

// A spectrum field's option and how its problems are worded; the range it accepts is
// the library's (TubeSettingAllowed).
struct SpectrumOption {
  SpectrumField field;
  const char* name;
  TextId rule;     // "{1} {2} must …": the option and the value
  TextId accepts;
};

constexpr SpectrumOption kSpectrumOptions[] = {
    {SpectrumField::TubeVoltage, "--kv", TextId::kCliRuleKv, TextId::kCliAcceptsKv},
    {SpectrumField::InherentFiltration, "--inherent", TextId::kCliRuleInherent, TextId::kCliAcceptsInherent},
    {SpectrumField::AluminiumFilter, "--al", TextId::kCliRuleNotNegative, TextId::kCliAcceptsNotNegative},
    {SpectrumField::CopperFilter, "--cu", TextId::kCliRuleNotNegative, TextId::kCliAcceptsNotNegative},
    {SpectrumField::TargetAngle, "--target-angle", TextId::kCliRuleTargetAngle, TextId::kCliAcceptsTargetAngle},
};

constexpr TextId kEnergyAccepts = TextId::kCliAcceptsEnergy;

// The option's value, read as the screens read a field ("100", " 2.5 ", "1E2",
// "１００"); throws UsageError naming the option and what it accepts.
double NumberOf(const std::string& name, const std::string& text, TextId accepts) {
  const std::optional<double> value = ReadFieldNumber(text);
  if (!value) throw UsageError(Message(TextId::kCliNotANumber, {name, ShownArgument(text), Message(accepts)}));
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
  throw UsageError(Message(TextId::kCliBadScattering, {ShownArgument(text)}));
}

// The quality's settings; the tube's own options would contradict them.
TubeSettings QualityRequest(const Invocation& invocation, const std::string& name) {
  for (const SpectrumOption& option : kSpectrumOptions) {
    if (invocation.Has(option.name)) throw UsageError(Message(TextId::kCliExcludeEachOther, {"--quality", option.name}));
  }
  const std::optional<BeamQuality> quality = FindBeamQuality(name);
  if (!quality) {
    throw UsageError(Message(TextId::kCliNotAQuality, {ShownAsciiArgument(name)}));
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
  if (text == nullptr) throw UsageError(Message(TextId::kCliMissing, {name}));
  return *text;
}

TubeSettings SpectrumRequest(const Invocation& invocation) {
  if (const std::string* quality = invocation.Value("--quality")) return QualityRequest(invocation, *quality);
  TubeSettings settings;
  for (const SpectrumOption& option : kSpectrumOptions) {
    const std::string text = OptionText(invocation, option);
    if (!TubeSettingAllowed(option.field, NumberOf(option.name, text, option.accepts))) {
      throw UsageError(Message(option.rule, {option.name, ShownArgument(text)}));
    }
    settings.Text(option.field) = text;
  }
  return settings;
}

EnergyRequest MakeEnergyRequest(const Invocation& invocation) {
  if (const std::string* energy = invocation.Value("--energy")) {
    for (const SpectrumOption& option : kSpectrumOptions) {
      if (invocation.Has(option.name)) throw UsageError(Message(TextId::kCliExcludeEachOther, {"--energy", option.name}));
    }
    if (invocation.Has("--quality")) throw UsageError(Message(TextId::kCliExcludeEachOther, {"--energy", "--quality"}));
    if (!(NumberOf("--energy", *energy, kEnergyAccepts) > 0.0)) throw UsageError(Message(TextId::kCliEnergyNotAboveZero, {ShownArgument(*energy)}));
    return {*energy, std::nullopt};
  }
  if (!invocation.Has("--kv") && !invocation.Has("--quality")) throw UsageError(Message(TextId::kCliEnergyMissing));
  return {std::nullopt, SpectrumRequest(invocation)};
}

AnglesRequest MakeAnglesRequest(const Invocation& invocation) {
  AnglesRequest request{ScatterOf(Required(invocation, "--scattering")),
                        Required(invocation, "--material"), std::nullopt, std::nullopt, ChosenViews(invocation)};
  EnergyRequest energy = MakeEnergyRequest(invocation);
  request.energyText = std::move(energy.energyText);
  request.spectrum = std::move(energy.spectrum);
  return request;
}

int CurveColourIndex(const Invocation& curve) {
  const std::string* text = curve.Value("--colour");
  if (text == nullptr) return kPaletteRed;
  for (const CurveColourName& colour : kCurveColours) {
    if (*text == colour.name) return colour.index;
  }
  throw UsageError("--colour \"" + ShownArgument(*text) + "\" must be red, darkgreen or blue");
}

ViewSet ChosenViews(const Invocation& invocation) {
  ViewSet views;
  for (const ViewEntry& v : kViews) views = views.With(v.view, invocation.Has(v.option));
  return views;
}

Format OutputFormat(const Invocation& invocation, bool datAllowed) {
  const std::string* text = invocation.Value("--format");
  if (text == nullptr || *text == "csv") return Format::Csv;
  if (*text == "tsv") return Format::Tsv;
  if (*text == "dat" && datAllowed) return Format::Dat;
  throw UsageError(Message(datAllowed ? TextId::kCliBadFormatWithDat : TextId::kCliBadFormat, {ShownArgument(*text)}));
}

}  // namespace tervolin::cli
