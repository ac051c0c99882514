#include "web/page_requests.h"

#include <map>

#include "graphs/palette.h"

namespace tervolin::web {

namespace {

using emscripten::val;

// The tube settings by the names the page gives them.
const std::map<std::string, SpectrumField> kFieldNames{
    {"kv", SpectrumField::TubeVoltage},      {"inherent", SpectrumField::InherentFiltration},
    {"al", SpectrumField::AluminiumFilter},  {"cu", SpectrumField::CopperFilter},
    {"targetAngle", SpectrumField::TargetAngle}};

std::string Text(const val& request, const char* name) {
  const val value = request[name];
  return value.isUndefined() || value.isNull() ? std::string() : value.as<std::string>();
}

int ColourNamed(const std::string& name) {
  for (const CurveColourName& colour : kCurveColours) {
    if (name == colour.name) return colour.index;
  }
  return kPaletteRed;
}

}  // namespace

PageChoice RequestedChoice(const val& request) {
  TubeSettings settings;
  for (const auto& [name, field] : kFieldNames) settings.Text(field) = Text(request, name.c_str());
  return {Text(request, "kind") == "incoherent" ? kIncoherent : kCoherent, Text(request, "mode") == "spectrum",
          {Text(request, "material"), Text(request, "energy")}, ColourNamed(Text(request, "colour")), settings};
}

void Choose(Workbench& bench, const PageChoice& choice) {
  bench.ChooseScattering(choice.scatter);
  bench.ChooseEnergyMode(choice.spectral ? kSpectral : kSingleEnergy);
  bench.ChooseColour(choice.colour);
}

ViewSet RequestedViews(const val& keys) {
  ViewSet views;
  const int count = keys["length"].as<int>();
  for (int i = 0; i < count; ++i) {
    const std::string key = keys[i].as<std::string>();
    for (const ViewEntry& v : kViews) views = key == v.pageKey ? views.With(v.view) : views;
  }
  return views;
}

val SettingsTexts(const TubeSettings& settings) {
  val fields = val::object();
  for (const auto& [name, field] : kFieldNames) fields.set(name, settings.Text(field));
  return fields;
}

val FieldReset(const std::optional<Problem>& problem) {
  val reset = val::object();
  if (!problem || !problem->reset) return reset;
  for (const auto& [name, field] : kFieldNames) {
    if (field == problem->reset->field) reset.set(name, problem->reset->text);
  }
  return reset;
}

}  // namespace tervolin::web
