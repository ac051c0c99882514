// The library as the page calls it: one Session per page, holding the angular and
// spectrum graphs as SVG surfaces, running the calculations in the order the
// calculation and spectrum screens run them, and returning each result with the
// message a screen would have shown. Everything the page needs of the library's
// inner workings is reached from this file only.

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/angle_graph.h"
#include "core/angle_graph_views.h"
#include "core/beam_figures.h"
#include "core/curve_label.h"
#include "core/curves_csv.h"
#include "core/distributions.h"
#include "core/graph_legend.h"
#include "core/host.h"
#include "core/leading_number.h"
#include "core/messages.h"
#include "core/palette.h"
#include "core/shared_state.h"
#include "core/spectrum_graph.h"
#include "core/spectrum_model.h"
#include "core/spectrum_physics.h"
#include "core/svg_surface.h"
#include "core/user_coordinates.h"
#include "data/air_absorption_table.h"
#include "data/attenuation_table.h"
#include "data/material_catalogue.h"
#include "data/scatterer_data.h"

namespace tervolin::web {

namespace {

using emscripten::val;

// The screens' fonts, as the page has them: Meiryo 14.25 pt on the angular graph,
// MS P Gothic 15.75 pt bold on the spectrum graph, at 96 pixels per inch.
const SvgFont kAngleFont{"Meiryo, 'Noto Sans CJK JP', 'Noto Sans JP', sans-serif", 19.0};
const SvgFont kSpectrumFont{"'MS PGothic', 'Noto Sans CJK JP', 'Noto Sans JP', sans-serif", 21.0, true};

// The spectrum fields by the names the page gives them.
const std::map<std::string, SpectrumField> kFieldNames{
    {"kv", SpectrumField::TubeVoltage},      {"inherent", SpectrumField::InherentFiltration},
    {"al", SpectrumField::AluminiumFilter},  {"cu", SpectrumField::CopperFilter},
    {"targetAngle", SpectrumField::TargetAngle}};

const std::map<std::string, int> kColours{
    {"red", kPaletteRed}, {"darkgreen", kPaletteDarkGreen}, {"blue", kPaletteBlue}};

// The screens' own messages stand between ideographic spaces.
std::string Framed(const std::string& text) { return "　" + text + "　"; }

class PageHost : public Host {
 public:
  std::string EnergyFieldText() override { return energyText; }
  DrawingSurface& AngleGraph() override { return angle; }
  DrawingSurface& SpectrumGraph() override { return spectrum; }
  std::string SpectrumFieldText(SpectrumField field) override { return fields[field]; }
  void SetSpectrumFieldText(SpectrumField field, const std::string& text) override { fields[field] = text; }
  void ShowWarning(const std::string& text) override {
    if (warning.empty()) warning = text;
  }
  void DispatchPendingEvents() override {}

  std::string energyText;
  std::map<SpectrumField, std::string> fields;
  std::string warning;  // the first warning of the current calculation
  SvgSurface angle{kAngleGraphScale, kAngleGraphPixelWidth, kAngleGraphPixelHeight, kAngleFont};
  SvgSurface spectrum{kSpectrumGraphScale, kSpectrumGraphPixelWidth, kSpectrumGraphPixelHeight, kSpectrumFont};
};

// The spectrum screen's checks before it computes: the first field that is missing
// or out of range gives its message and, if so marked, is reset to its default.
struct PresenceCheck {
  SpectrumField field;
  bool (*refused)(const std::string& text);
  const char* message;
  bool resetToDefault;
};

bool IsEmpty(const std::string& text) { return text.empty(); }
// At 90° and beyond the anode's self-absorption would turn into a gain.
bool IsEmptyOrNotATargetAngle(const std::string& text) {
  const double degrees = ReadLeadingNumber(text);
  return text.empty() || degrees < 1.0 || degrees >= kMaxTargetAngleDeg;
}
// A negative added filter would amplify the low-energy bins.
bool IsNegative(const std::string& text) { return ReadLeadingNumber(text) < 0.0; }

const PresenceCheck kPresenceChecks[] = {
    {SpectrumField::TubeVoltage, IsEmpty, msg::kEnterTubeVoltage, false},
    {SpectrumField::TargetAngle, IsEmptyOrNotATargetAngle, msg::kReenterTargetAngle, true},
    {SpectrumField::InherentFiltration, IsEmpty, msg::kReenterInherentFiltration, true},
    {SpectrumField::AluminiumFilter, IsNegative, msg::kReenterAluminiumFilter, true},
    {SpectrumField::CopperFilter, IsNegative, msg::kReenterCopperFilter, true},
};

// The first failing check's message (its field reset when so marked), or nullptr.
const char* FailedPresenceCheck(std::map<SpectrumField, std::string>& fields) {
  for (const PresenceCheck& check : kPresenceChecks) {
    if (!check.refused(fields[check.field])) continue;
    if (check.resetToDefault) fields[check.field] = DefaultSpectrumFieldText(check.field);
    return check.message;
  }
  return nullptr;
}

std::string Text(const val& request, const char* name) {
  const val value = request[name];
  return value.isUndefined() || value.isNull() ? std::string() : value.as<std::string>();
}

template <typename Table>
val Values(const Table& table) {
  val values = val::array();
  for (std::size_t i = 1; i < table.size(); ++i) values.call<void>("push", table[i]);
  return values;
}

// The curve in the teaching views: {freeElectron, perSolidAngle, freeElectronPerSolidAngle},
// each 180 values or null where it cannot be calculated.
val Views(const ViewedCurve& curve) {
  static const char* const kNames[] = {"", "freeElectron", "perSolidAngle", "freeElectronPerSolidAngle"};
  val views = val::object();
  for (int v = 1; v < 4; ++v) views.set(kNames[v], curve.views[v] ? Values(*curve.views[v]) : val::null());
  return views;
}

// A copy of the bytes in a Uint8Array.
val Bytes(const std::string& bytes) {
  const auto view = emscripten::typed_memory_view(bytes.size(), reinterpret_cast<const unsigned char*>(bytes.data()));
  return val::global("Uint8Array").new_(val(view));
}

val FieldTexts(PageHost& host) {
  val fields = val::object();
  for (const auto& [name, field] : kFieldNames) fields.set(name, host.fields[field]);
  return fields;
}

val FigureTexts(const BeamFigures& f) {
  val figures = val::object();
  figures.set("meanEnergy", FormatFigure(f.meanEnergyKev, 2));
  figures.set("effectiveEnergy", FormatFigure(f.effectiveEnergyKev, 2));
  figures.set("hvl1", FormatFigure(f.hvl1Mm, 3));
  figures.set("hvl2", FormatFigure(f.hvl2Mm, 3));
  figures.set("homogeneity", FormatFigure(f.homogeneity, 3));
  figures.set("problem", std::string(f.problem != nullptr ? f.problem : ""));
  return figures;
}

}  // namespace

class Session {
 public:
  Session() {
    InstallHost(&host_);
    ResetSharedState();
    startFailure_ = LoadAttenuationTable();
    // Without a usable air table the spectrum graph's figures box says so.
    (void)LoadAirAbsorptionTable();
    GraphViews().choices = {};
    ClearAngleGraph();
    ClearSpectrumGraph();
  }
  ~Session() { InstallHost(nullptr); }
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // Why the program cannot calculate at all (its attenuation table), or "".
  std::string StartProblem() const {
    return startFailure_ ? Framed(std::string(kAttenuationFileName) + ": " + DescribeReadFailure(*startFailure_)) : "";
  }

  val Materials() const {
    val list = val::array();
    for (const MaterialEntry& m : ListMaterials(".")) {
      val entry = val::object();
      entry.set("name", m.name);
      entry.set("alias", m.alias);
      list.call<void>("push", entry);
    }
    return list;
  }

  // 計算・描画: request {kind, mode, material, energy, colour, kv, inherent, al, cu,
  // targetAngle}. Returns {message, fields, values, label, spectrum, figures}.
  val Compute(const val& request) {
    host_.warning.clear();
    val result = val::object();
    const bool spectral = Text(request, "mode") == "spectrum";
    SetChoices(request, spectral);
    if (const std::string refusal = MissingInput(request, spectral); !refusal.empty()) {
      return Refused(result, refusal);
    }
    if (spectral && !ComputeSpectrum(result)) return Refused(result, host_.warning);
    if (const auto failure = LoadScattererData(Text(request, "material"))) {
      return Refused(result, Framed(DescribeReadFailure(*failure)));
    }
    DrawChosenDistribution(ChosenLabel(request, spectral));
    if (!host_.warning.empty()) return Refused(result, host_.warning);
    const ViewedCurve& curve = GraphViews().Curves().back();
    result.set("values", Values(*curve.views[0]));
    result.set("label", LabelText(curve.label));
    result.set("views", Views(curve));
    return Finished(result);
  }

  // The spectrum screen's スペクトル計算 alone: {message, fields, spectrum, figures}.
  val Spectrum(const val& request) {
    host_.warning.clear();
    val result = val::object();
    SetChoices(request, true);
    if (startFailure_) return Refused(result, StartProblem());
    if (!ComputeSpectrum(result)) return Refused(result, host_.warning);
    return Finished(result);
  }

  // グラフ消去.
  void ClearAngleGraph() {
    host_.angle.Cls();
    DrawAngleAxes();
    DrawGraphFrame();
  }

  void SetViews(bool freeElectron, bool perSolidAngle) {
    GraphViews().choices = {freeElectron, perSolidAngle};
    RedrawAngleGraph();
  }

  std::string AngleSvg() const { return host_.angle.Picture(); }
  std::string SpectrumSvg() const { return host_.spectrum.Picture(); }
  std::string AngleSvgFile() const { return host_.angle.Document(); }
  std::string SpectrumSvgFile() const { return host_.spectrum.Document(); }
  // The tables as bytes: a text would lose its byte-order mark to the browser's
  // UTF-8 decoder.
  val AngleCsv() { return Bytes(CurvesCsv(kAngleAxis, host_.angle.Curves().Curves())); }
  val SpectrumCsv() { return Bytes(CurvesCsv(kEnergyAxis, host_.spectrum.Curves().Curves())); }
  std::string AngleFileStem() { return FileStem(host_.angle); }
  std::string SpectrumFileStem() { return FileStem(host_.spectrum); }

  // The angular graph's curves as its legend lists them: {colour, title, note, dashed}.
  val Legend() {
    val rows = val::array();
    for (const LegendRow& row : LegendRows(kAngleAxis, host_.angle.Curves().Curves(), true)) {
      val r = val::object();
      r.set("colour", "rgb(" + std::to_string(row.colour.r) + "," + std::to_string(row.colour.g) + "," +
                          std::to_string(row.colour.b) + ")");
      r.set("title", row.title);
      r.set("note", row.note);
      r.set("dashed", row.dashed);
      rows.call<void>("push", r);
    }
    return rows;
  }

 private:
  static std::string FileStem(SvgSurface& graph) {
    const auto& curves = graph.Curves().Curves();
    return LabelFileStem(curves.empty() ? CurveLabel{} : curves.back().label);
  }

  void SetChoices(const val& request, bool spectral) {
    SharedState& s = Shared();
    s.ScatterType = Text(request, "kind") == "incoherent" ? kIncoherent : kCoherent;
    s.EnergyMode = spectral ? kSpectral : kSingleEnergy;
    const auto colour = kColours.find(Text(request, "colour"));
    s.PlotColor = colour != kColours.end() ? colour->second : kPaletteRed;
    host_.energyText = Text(request, "energy");
    for (const auto& [name, field] : kFieldNames) host_.fields[field] = Text(request, name.c_str());
  }

  // The calculation screen's checks: an energy in single-energy mode, a material,
  // a usable attenuation table.
  std::string MissingInput(const val& request, bool spectral) const {
    if (startFailure_) return StartProblem();
    if (!spectral && host_.energyText.empty()) return msg::kNoEnergy;
    if (Text(request, "material").empty()) return msg::kNoScatterer;
    return {};
  }

  // The spectrum screen's compute and OK: the checks, the spectrum drawn alone on
  // its graph with its figures, and accepted for the distribution.
  bool ComputeSpectrum(val& result) {
    if (const char* problem = FailedPresenceCheck(host_.fields)) {
      host_.warning = problem;
      return false;
    }
    const SvgSurface shown = host_.spectrum;  // a refused input leaves the graph as it was
    ClearSpectrumGraph();
    CalculateSpectrum();
    if (!host_.warning.empty()) {
      host_.spectrum = shown;
      return false;
    }
    host_.spectrum.Curves().LabelFrom(0, SpectrumLabel(Conditions()));
    AcceptComputedSpectrum();
    result.set("spectrum", Values(Shared().SpectrumFluence));
    result.set("figures", FigureTexts(ComputeBeamFigures(Shared().SpectrumFluence)));
    return true;
  }

  SpectrumConditions Conditions() {
    auto& f = host_.fields;
    return {f[SpectrumField::TubeVoltage], f[SpectrumField::TargetAngle], f[SpectrumField::InherentFiltration],
            f[SpectrumField::AluminiumFilter], f[SpectrumField::CopperFilter]};
  }

  CurveLabel ChosenLabel(const val& request, bool spectral) {
    const std::string material = Text(request, "material");
    if (spectral) return SpectralLabel(Shared().ScatterType, material, Conditions());
    return MonoenergeticLabel(Shared().ScatterType, material, host_.energyText);
  }

  // As the calculation screen: the distribution drawn in the chosen colour, then
  // kept in the graph's views and the graph redrawn when a view is chosen.
  void DrawChosenDistribution(const CurveLabel& label) {
    const std::size_t before = host_.angle.Curves().Count();
    RunChosenDistribution();
    host_.angle.Curves().LabelFrom(before, label);
    if (host_.angle.Curves().Count() == before) return;
    GraphViews().Add(ViewCurve(ChosenRequest(), Shared().AngleDistribution, PaletteColour(Shared().PlotColor), label));
    if (GraphViews().choices.AnyChosen()) RedrawAngleGraph();
  }

  val Refused(val& result, const std::string& message) {
    result.set("message", message);
    return Finished(result);
  }

  val Finished(val& result) {
    if (result["message"].isUndefined()) result.set("message", std::string());
    result.set("fields", FieldTexts(host_));
    return result;
  }

  PageHost host_;
  std::optional<ReadFailure> startFailure_;
};

EMSCRIPTEN_BINDINGS(tervolin) {
  emscripten::class_<Session>("Session")
      .constructor<>()
      .function("startProblem", &Session::StartProblem)
      .function("materials", &Session::Materials)
      .function("compute", &Session::Compute)
      .function("spectrum", &Session::Spectrum)
      .function("clear", &Session::ClearAngleGraph)
      .function("setViews", &Session::SetViews)
      .function("angleSvg", &Session::AngleSvg)
      .function("spectrumSvg", &Session::SpectrumSvg)
      .function("angleSvgFile", &Session::AngleSvgFile)
      .function("spectrumSvgFile", &Session::SpectrumSvgFile)
      .function("angleCsv", &Session::AngleCsv)
      .function("spectrumCsv", &Session::SpectrumCsv)
      .function("angleFileStem", &Session::AngleFileStem)
      .function("spectrumFileStem", &Session::SpectrumFileStem)
      .function("legend", &Session::Legend);
}

}  // namespace tervolin::web
