// The library as the page calls it: one Session per page, holding the tables read
// at its start, the angular and spectrum graphs as SVG surfaces, the angular graph's
// views and the accepted spectrum; it runs the calculations as the calculation and
// spectrum screens run them and returns each result with the message a screen would
// have shown. Everything the page needs of the library is reached from this file only.

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/beam_figures.h"
#include "core/calculation_inputs.h"
#include "core/distributions.h"
#include "core/leading_number.h"
#include "core/messages.h"
#include "core/number_text.h"
#include "core/spectrum_model.h"
#include "core/tube_settings.h"
#include "data/air_absorption_table.h"
#include "data/attenuation_table.h"
#include "data/material_catalogue.h"
#include "data/material_magnitudes.h"
#include "data/scatterer_data.h"
#include "graphs/angle_graph.h"
#include "graphs/angle_graph_views.h"
#include "graphs/curve_axis.h"
#include "graphs/curve_label.h"
#include "graphs/curves_csv.h"
#include "graphs/figures_box.h"
#include "graphs/graph_legend.h"
#include "graphs/line_styles.h"
#include "graphs/palette.h"
#include "graphs/spectrum_graph.h"
#include "graphs/svg_surface.h"
#include "graphs/user_coordinates.h"

namespace tervolin::web {

namespace {

using emscripten::val;

// The screens' fonts, as the page has them: Meiryo 14.25 pt on the angular graph,
// MS P Gothic 15.75 pt bold on the spectrum graph, at 96 pixels per inch.
const SvgFont kAngleFont{"Meiryo, 'Noto Sans CJK JP', 'Noto Sans JP', sans-serif", 19.0};
const SvgFont kSpectrumFont{"'MS PGothic', 'Noto Sans CJK JP', 'Noto Sans JP', sans-serif", 21.0, true};

// The tube settings by the names the page gives them.
const std::map<std::string, SpectrumField> kFieldNames{
    {"kv", SpectrumField::TubeVoltage},      {"inherent", SpectrumField::InherentFiltration},
    {"al", SpectrumField::AluminiumFilter},  {"cu", SpectrumField::CopperFilter},
    {"targetAngle", SpectrumField::TargetAngle}};

const std::map<std::string, int> kColours{
    {"red", kPaletteRed}, {"darkgreen", kPaletteDarkGreen}, {"blue", kPaletteBlue}};


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
  const std::pair<const char*, DistributionView> kViews[] = {
      {"freeElectron", {true, false}}, {"perSolidAngle", {false, true}}, {"freeElectronPerSolidAngle", {true, true}}};
  val views = val::object();
  for (const auto& [name, view] : kViews) views.set(name, curve.In(view) ? Values(*curve.In(view)) : val::null());
  return views;
}

// A copy of the bytes in a Uint8Array.
val Bytes(const std::string& bytes) {
  const auto view = emscripten::typed_memory_view(bytes.size(), reinterpret_cast<const unsigned char*>(bytes.data()));
  return val::global("Uint8Array").new_(val(view));
}

TubeSettings RequestedSettings(const val& request) {
  TubeSettings settings;
  for (const auto& [name, field] : kFieldNames) settings.Text(field) = Text(request, name.c_str());
  return settings;
}

val FieldTexts(const TubeSettings& settings) {
  val fields = val::object();
  for (const auto& [name, field] : kFieldNames) fields.set(name, settings.Text(field));
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

// The comparison of coherent and incoherent scattering: dσ/dθ (cm²/g per degree)
// of each and of their sum, σ/ρ (cm²/g) and the shares (%).
val MagnitudeValues(const ScatteringMagnitudes& m) {
  val result = val::object();
  result.set("coherent", Values(m.coherent));
  result.set("incoherent", Values(m.incoherent));
  result.set("total", Values(m.total));
  result.set("coherentCrossSection", m.coherentCrossSection);
  result.set("incoherentCrossSection", m.incoherentCrossSection);
  result.set("totalCrossSection", m.totalCrossSection);
  result.set("coherentShare", m.coherentShare);
  result.set("incoherentShare", m.incoherentShare);
  return result;
}

// The page's choices for one calculation.
struct Choice {
  ScatterKind scatter;
  bool spectral;
  std::string material;
  std::string energyText;  // keV, as typed
  int colour;              // palette index
  TubeSettings settings;
};

Choice RequestedChoice(const val& request) {
  const auto colour = kColours.find(Text(request, "colour"));
  return {Text(request, "kind") == "incoherent" ? kIncoherent : kCoherent, Text(request, "mode") == "spectrum",
          Text(request, "material"), Text(request, "energy"),
          colour != kColours.end() ? colour->second : kPaletteRed, RequestedSettings(request)};
}

}  // namespace

class Session {
 public:
  // The tables lie in `dataFolder` of the page's file system ("/data").
  explicit Session(const std::string& dataFolder) : dataFolder_(dataFolder) {
    auto attenuation = LoadAttenuationTable(dataFolder_);
    if (attenuation) attenuation_ = attenuation.Value();
    else startFailure_ = attenuation.Fault();
    // Without a usable air table the spectrum graph's figures box says so.
    air_ = LoadAirAbsorptionTable(dataFolder_).table;
    ClearAngleGraph();
    ClearSpectrumGraph(spectrum_);
  }

  // Why the program cannot calculate at all (its attenuation table), or "".
  std::string StartProblem() const {
    return startFailure_ ? msg::Framed(std::string(kAttenuationFileName) + ": " + DescribeReadFailure(*startFailure_)) : "";
  }

  val Materials() const {
    val list = val::array();
    for (const MaterialEntry& m : ListMaterials(dataFolder_)) {
      val entry = val::object();
      entry.set("name", m.name);
      entry.set("alias", m.alias);
      list.call<void>("push", entry);
    }
    return list;
  }

  // 計算・描画: request {kind, mode, material, energy, colour, kv, inherent, al, cu,
  // targetAngle}. Returns {message, fields, values, label, views, spectrum, figures}.
  val Compute(const val& request) {
    Choice choice = RequestedChoice(request);
    val result = val::object();
    // A spectral curve comes with the spectrum it is weighted by, computed next.
    if (const std::string refusal = MissingInput(choice, true); !refusal.empty()) return Finished(result, choice, refusal);
    if (choice.spectral) {
      if (auto problem = DrawSpectrum(choice.settings, result)) return Finished(result, choice, *problem);
    }
    const auto material = LoadMaterialTables(dataFolder_, choice.material, choice.spectral);
    if (!material) return Finished(result, choice, msg::Framed(DescribeReadFailure(material.Fault())));
    if (auto problem = DrawDistribution(choice, material.Value())) return Finished(result, choice, *problem);
    const ViewedCurve& curve = views_.Curves().back();
    result.set("values", Values(*curve.In({})));
    result.set("label", LabelText(curve.label));
    result.set("views", Views(curve));
    return Finished(result, choice, "");
  }

  // The spectrum screen's スペクトル計算 alone: {message, fields, spectrum, figures}.
  val Spectrum(const val& request) {
    Choice choice = RequestedChoice(request);
    val result = val::object();
    if (startFailure_) return Finished(result, choice, StartProblem());
    return Finished(result, choice, DrawSpectrum(choice.settings, result).value_or(""));
  }

  // The comparison of the sizes of coherent and incoherent scattering for the
  // request's material at its energy, or over the accepted spectrum in spectral
  // mode: {message} and, when it can be made, {magnitudes}.
  val Magnitudes(const val& request) const {
    const Choice choice = RequestedChoice(request);
    val result = val::object();
    std::string message = MissingInput(choice, accepted_.has_value());
    if (message.empty()) message = MagnitudesOf(choice, result);
    result.set("message", message);
    return result;
  }

  // グラフ消去.
  void ClearAngleGraph() {
    views_.Forget();
    DrawAngleAxes(angle_, views_.choices.perSolidAngle);
    DrawGraphFrame(angle_);
  }

  void SetViews(bool freeElectron, bool perSolidAngle) {
    views_.choices = {freeElectron, perSolidAngle};
    RedrawAngleGraph(angle_, views_);
  }

  std::string AngleSvg() const { return angle_.Picture(); }
  std::string SpectrumSvg() const { return spectrum_.Picture(); }
  std::string AngleSvgFile() const { return angle_.Document(); }
  std::string SpectrumSvgFile() const { return spectrum_.Document(); }
  // The tables as bytes: a text would lose its byte-order mark to the browser's
  // UTF-8 decoder.
  val AngleCsv() { return Bytes(CurvesCsv(kAngleAxis, angle_.Curves().Curves())); }
  val SpectrumCsv() { return Bytes(CurvesCsv(kEnergyAxis, spectrum_.Curves().Curves())); }
  std::string AngleFileStem() { return GraphFileStem(angle_.Curves().Curves()); }
  std::string SpectrumFileStem() { return GraphFileStem(spectrum_.Curves().Curves()); }

  // The angular graph's curves as its legend lists them: {colour, title, note, dashed,
  // dashes}, dashes the stroke-dasharray of the curve's line style ("" for solid).
  val Legend() {
    val rows = val::array();
    for (const LegendRow& row : LegendRows(kAngleAxis, angle_.Curves().Curves(), true)) {
      val r = val::object();
      r.set("colour", "rgb(" + std::to_string(row.colour.r) + "," + std::to_string(row.colour.g) + "," +
                          std::to_string(row.colour.b) + ")");
      r.set("title", row.title);
      r.set("note", row.note);
      r.set("dashed", row.dashed);
      r.set("dashes", Dashes(row.style));
      rows.call<void>("push", r);
    }
    return rows;
  }

 private:
  // The curves' line width is 2 pixels.
  static std::string Dashes(LineStyle style) {
    std::string dashes;
    for (const double length : DashPattern(style)) dashes += (dashes.empty() ? "" : " ") + ShortestText(2 * length);
    return dashes;
  }

  // The calculation screen's checks, after a usable attenuation table.
  std::string MissingInput(const Choice& choice, bool spectrumAccepted) const {
    if (startFailure_) return StartProblem();
    const char* missing = MissingCalculationInput(
        {choice.spectral, !choice.energyText.empty(), spectrumAccepted, !choice.material.empty()});
    return missing != nullptr ? missing : "";
  }

  // The spectrum screen's compute and OK: the settings checked (a refused one reset
  // as the screen resets it), the spectrum drawn alone on its graph with its figures
  // and accepted for the distributions. A refusal leaves the graph as it was.
  std::optional<std::string> DrawSpectrum(TubeSettings& settings, val& result) {
    const Outcome<tervolin::Spectrum> spectrum = CheckedSpectrum(settings);
    if (!spectrum) {
      if (const auto& reset = spectrum.Fault().reset) settings.Text(reset->field) = reset->text;
      return spectrum.Fault().message;
    }
    const tervolin::Spectrum& computed = spectrum.Value();
    ClearSpectrumGraph(spectrum_);
    DrawSpectrumCurve(spectrum_, computed.fluence, SpectrumLabel(computed.settings));
    DrawFiguresBox(spectrum_, {computed.figures});
    accepted_ = computed;
    result.set("spectrum", Values(computed.fluence));
    result.set("figures", FigureTexts(computed.figures));
    return std::nullopt;
  }

  // The library's check of the settings first, as the spectrum screen checks them.
  Outcome<tervolin::Spectrum> CheckedSpectrum(const TubeSettings& settings) const {
    if (auto problem = CheckTubeSettings(settings)) return *problem;
    return ComputeSpectrum(settings, attenuation_, air_);
  }

  const EnergyTable& AcceptedFluence() const {
    static const EnergyTable kNone{};
    return accepted_ ? accepted_->fluence : kNone;
  }

  DistributionRequest RequestOf(const Choice& choice) const {
    if (choice.spectral) return {choice.scatter, kSpectral, 0.0};
    return {choice.scatter, kSingleEnergy, ReadLeadingNumber(choice.energyText)};
  }

  CurveLabel LabelOf(const Choice& choice) const {
    if (choice.spectral) return SpectralLabel(choice.scatter, choice.material, accepted_->settings);
    return MonoenergeticLabel(choice.scatter, choice.material, choice.energyText);
  }

  // As the calculation screen: the distribution drawn in the chosen colour, kept in
  // every view, and the graph redrawn when a view is chosen; or why it cannot be.
  std::optional<std::string> DrawDistribution(const Choice& choice, const MaterialTables& material) {
    const DistributionRequest request = RequestOf(choice);
    const Outcome<AngleTable> values = Distribution(request, {}, material, AcceptedFluence());
    if (!values) return values.Fault().message;
    const CurveLabel label = LabelOf(choice);
    const Rgb colour = PaletteColour(choice.colour);
    PlotAngleCurve(angle_, values.Value(), colour, label, true);
    views_.Add({ComputeDistributionViews(request, values.Value(), material, AcceptedFluence()), colour, label});
    if (views_.choices.AnyChosen()) RedrawAngleGraph(angle_, views_);
    return std::nullopt;
  }

  // The comparison set in `result`, or the message that says why there is none.
  std::string MagnitudesOf(const Choice& choice, val& result) const {
    const double energy = ReadLeadingNumber(choice.energyText);
    const MagnitudesOfMaterial found =
        MaterialMagnitudes(dataFolder_, choice.material, choice.spectral ? kSpectral : kSingleEnergy, energy,
                           AcceptedFluence());
    if (const auto* failure = std::get_if<ReadFailure>(&found)) return msg::Framed(DescribeReadFailure(*failure));
    if (const auto* problem = std::get_if<MagnitudeProblem>(&found)) {
      return DescribeMagnitudeProblem(*problem, choice.energyText);
    }
    result.set("magnitudes", MagnitudeValues(std::get<ScatteringMagnitudes>(found)));
    return {};
  }

  val Finished(val& result, const Choice& choice, const std::string& message) {
    result.set("message", message);
    result.set("fields", FieldTexts(choice.settings));
    return result;
  }

  std::string dataFolder_;
  AttenuationTables attenuation_;
  AirTable air_;
  std::optional<ReadFailure> startFailure_;
  SvgSurface angle_{kAngleGraphScale, kAngleGraphPixelWidth, kAngleGraphPixelHeight, kAngleFont};
  SvgSurface spectrum_{kSpectrumGraphScale, kSpectrumGraphPixelWidth, kSpectrumGraphPixelHeight, kSpectrumFont};
  AngleGraphViews views_;
  std::optional<tervolin::Spectrum> accepted_;  // the spectrum the spectral distributions weight with
};

EMSCRIPTEN_BINDINGS(tervolin) {
  emscripten::class_<Session>("Session")
      .constructor<std::string>()
      .function("startProblem", &Session::StartProblem)
      .function("materials", &Session::Materials)
      .function("compute", &Session::Compute)
      .function("spectrum", &Session::Spectrum)
      .function("magnitudes", &Session::Magnitudes)
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
