// The library as the page calls it: one Session per page, the program's workbench
// with the angular and spectrum graphs as SVG surfaces. This file only turns the
// page's requests into the workbench's steps and their results into JavaScript
// values, each with the message a screen would have shown.

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/beam_figures.h"
#include "core/beam_qualities.h"
#include "core/messages.h"
#include "core/number_text.h"
#include "core/tube_settings.h"
#include "data/material_catalogue.h"
#include "graphs/angle_graph.h"
#include "graphs/angle_graph_views.h"
#include "graphs/curve_axis.h"
#include "graphs/curve_label.h"
#include "graphs/curves_csv.h"
#include "graphs/graph_legend.h"
#include "graphs/line_styles.h"
#include "graphs/magnitude_graph.h"
#include "graphs/palette.h"
#include "graphs/shown_spectra.h"
#include "graphs/spectrum_graph.h"
#include "graphs/svg_surface.h"
#include "graphs/user_coordinates.h"
#include "workbench/workbench.h"

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

// The field a problem resets, by its name in the request, with its new text: {}
// when none is reset.
// The settings' texts by the page's names of the fields.
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

val FigureTexts(const BeamFigures& f, Language language) {
  val figures = val::object();
  figures.set("meanEnergy", FormatFigure(f.meanEnergyKev, 2));
  figures.set("effectiveEnergy", FormatFigure(f.effectiveEnergyKev, 2));
  figures.set("hvl1", FormatFigure(f.hvl1Mm, 3));
  figures.set("hvl2", FormatFigure(f.hvl2Mm, 3));
  figures.set("homogeneity", FormatFigure(f.homogeneity, 3));
  figures.set("problem", f.problem ? TextOf(*f.problem, language) : std::string());
  figures.set("standardHvl1", f.standardHvl1Mm ? FixedText(*f.standardHvl1Mm, 2) : std::string());
  figures.set("standardHomogeneity", f.standardHomogeneity ? FixedText(*f.standardHomogeneity, 2) : std::string());
  return figures;
}

// The comparison of coherent and incoherent scattering: dσ/dθ (cm²/g per degree)
// of each and of their sum, σ/ρ (cm²/g), the shares (%) and the ratio as the
// desktop's table words it.
val MagnitudeValues(const ScatteringMagnitudes& m, Language language) {
  val result = val::object();
  result.set("coherent", Values(m.coherent));
  result.set("incoherent", Values(m.incoherent));
  result.set("total", Values(m.total));
  result.set("coherentCrossSection", m.coherentCrossSection);
  result.set("incoherentCrossSection", m.incoherentCrossSection);
  result.set("totalCrossSection", m.totalCrossSection);
  result.set("coherentShare", m.coherentShare);
  result.set("incoherentShare", m.incoherentShare);
  result.set("ratio", MagnitudeTableOf(m, false, language).ratio);
  return result;
}

// The page's choices for one calculation.
struct Choice {
  ScatterKind scatter;
  bool spectral;
  CurveChoice curve;  // material and energy as typed
  int colour;         // palette index
  TubeSettings settings;
};

Choice RequestedChoice(const val& request) {
  const auto colour = kColours.find(Text(request, "colour"));
  return {Text(request, "kind") == "incoherent" ? kIncoherent : kCoherent, Text(request, "mode") == "spectrum",
          {Text(request, "material"), Text(request, "energy")},
          colour != kColours.end() ? colour->second : kPaletteRed, RequestedSettings(request)};
}

// The line styles' dash patterns for curves 2 pixels wide ("" for solid).
std::string Dashes(LineStyle style) {
  std::string dashes;
  for (const double length : DashPattern(style)) dashes += (dashes.empty() ? "" : " ") + ShortestText(2 * length);
  return dashes;
}

std::string CssColour(Rgb c) {
  return "rgb(" + std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b) + ")";
}

std::string Message(const std::optional<Problem>& problem, Language language) {
  return problem ? MessageOf(*problem, language) : "";
}

}  // namespace

// The page's workbench, with its graphs drawn as SVG.
class Session {
 public:
  // The tables lie in `dataFolder` of the page's file system ("/data").
  explicit Session(const std::string& dataFolder) : bench_(dataFolder) {
    (void)bench_.ReadTables();  // a failure is the start problem
    bench_.ClearAngleGraph(angle_);
    ClearSpectrumGraph(spectrum_);
  }

  // Why the program cannot calculate at all (its attenuation table), or "".
  std::string StartProblem() const { return Message(bench_.StartProblem(), bench_.language); }

  // The language of the library's texts from now on ("ja" or "en"; another code keeps
  // the one in use): messages, curve labels, legend rows, figures' names, the graphs'
  // axis titles (both graphs are drawn anew) and the files' names and headings.
  void SetLanguage(const std::string& code) {
    bench_.language = LanguageOfCode(code).value_or(bench_.language);
    angle_.SetTextLanguage(bench_.language);
    spectrum_.SetTextLanguage(bench_.language);
    RedrawAngleGraph(angle_, bench_.views);
    DrawShownSpectra(spectrum_, bench_.shownSpectra, SpectrumScale::kEachToItsMaximum);
  }

  // The standard qualities: {value "RQR8", name "RQR 8", fields {kv, inherent, …}}.
  val Qualities() const {
    val list = val::array();
    for (const BeamQuality& quality : BeamQualities()) {
      std::string value = QualityName(quality);
      value.erase(value.find(' '), 1);
      val entry = val::object();
      entry.set("value", value);
      entry.set("name", QualityName(quality));
      entry.set("fields", SettingsTexts(QualitySettings(quality)));
      list.call<void>("push", entry);
    }
    return list;
  }

  val Materials() const {
    val list = val::array();
    for (const MaterialEntry& m : ListMaterials(bench_.DataFolder())) {
      val entry = val::object();
      entry.set("name", m.name);
      entry.set("alias", m.alias);
      entry.set("label", ShownMaterialName(m, bench_.language));  // the name to show
      list.call<void>("push", entry);
    }
    return list;
  }

  // 計算・描画: request {kind, mode, material, energy, colour, kv, inherent, al, cu,
  // targetAngle}. Returns {message, reset, values, label, views, spectrum, figures},
  // reset the fields to put right and their new texts.
  // A spectral curve comes with the spectrum it is weighted by, computed first.
  val Compute(const val& request) {
    Choice choice = RequestedChoice(request);
    Choose(choice);
    val result = val::object();
    if (auto missing = bench_.MissingInput(choice.curve, true)) return Finished(result, missing);
    if (choice.spectral) {
      if (auto problem = DrawSpectrum(choice.settings, result)) return Finished(result, problem);
    }
    const auto curve = bench_.ComputeCurve(choice.curve);
    if (!curve) return Finished(result, curve.Fault());
    bench_.DrawLastCurve(angle_);
    result.set("values", Values(*curve.Value()->In({})));
    result.set("label", LabelText(curve.Value()->label, bench_.language));
    result.set("views", Views(*curve.Value()));
    return Finished(result, std::nullopt);
  }

  // The spectrum screen's スペクトル計算 alone: {message, reset, spectrum, figures}.
  val Spectrum(const val& request) {
    Choice choice = RequestedChoice(request);
    val result = val::object();
    return Finished(result, DrawSpectrum(choice.settings, result));
  }

  // The comparison of the sizes of coherent and incoherent scattering for the
  // request's material at its energy, or over the accepted spectrum in spectral
  // mode: {message, subject} and, when it can be made, {magnitudes}; subject names
  // the material and the energy or spectrum used.
  val Magnitudes(const val& request) {
    const Choice choice = RequestedChoice(request);
    Choose(choice);
    val result = val::object();
    const auto magnitudes = bench_.Magnitudes(choice.curve);
    if (magnitudes) result.set("magnitudes", MagnitudeValues(magnitudes.Value(), bench_.language));
    result.set("message", magnitudes ? "" : MessageOf(magnitudes.Fault(), bench_.language));
    result.set("subject", LabelText(bench_.MagnitudeSubject(choice.curve), bench_.language));
    return result;
  }

  // グラフ消去.
  void ClearAngleGraph() { bench_.ClearAngleGraph(angle_); }

  void SetViews(bool freeElectron, bool perSolidAngle) {
    bench_.views.choices = {freeElectron, perSolidAngle};
    RedrawAngleGraph(angle_, bench_.views);
  }

  std::string AngleSvg() const { return angle_.Picture(); }
  std::string SpectrumSvg() const { return spectrum_.Picture(); }
  std::string AngleSvgFile() const { return angle_.Document(); }
  std::string SpectrumSvgFile() const { return spectrum_.Document(); }
  // The tables as bytes: a text would lose its byte-order mark to the browser's
  // UTF-8 decoder.
  val AngleCsv() { return Bytes(CurvesCsv(kAngleAxis, angle_.Curves().Curves(), bench_.language)); }
  val SpectrumCsv() { return Bytes(CurvesCsv(kEnergyAxis, spectrum_.Curves().Curves(), bench_.language)); }
  std::string AngleFileStem() { return GraphFileStem(angle_.Curves().Curves(), bench_.language); }
  std::string SpectrumFileStem() { return GraphFileStem(spectrum_.Curves().Curves(), bench_.language); }

  // The angular graph's curves as its legend lists them: {colour, title, note, dashed,
  // dashes}, dashes the stroke-dasharray of the curve's line style ("" for solid).
  val Legend() {
    val rows = val::array();
    for (const LegendRow& row : LegendRows(kAngleAxis, angle_.Curves().Curves(), true, bench_.language)) {
      val r = val::object();
      r.set("colour", CssColour(row.colour));
      r.set("title", row.title);
      r.set("note", row.note);
      r.set("dashed", row.dashed);
      r.set("dashes", Dashes(row.style));
      rows.call<void>("push", r);
    }
    return rows;
  }

 private:
  void Choose(const Choice& choice) {
    bench_.scatter = choice.scatter;
    bench_.energyMode = choice.spectral ? kSpectral : kSingleEnergy;
    bench_.colour = choice.colour;
  }

  // The page shows one spectrum at a time and accepts it at once: the settings
  // checked (a refused one reset as the screen resets it), the spectrum drawn alone
  // with its figures. A refusal leaves the graph as it was.
  std::optional<Problem> DrawSpectrum(TubeSettings& settings, val& result) {
    bench_.shownSpectra.clear();
    const Outcome<tervolin::Spectrum> spectrum = bench_.ComputeSpectrum(settings);
    if (!spectrum) return spectrum.Fault();
    (void)bench_.AcceptSpectrum();
    DrawShownSpectra(spectrum_, bench_.shownSpectra, SpectrumScale::kEachToItsMaximum);
    result.set("spectrum", Values(spectrum.Value().fluence));
    result.set("figures", FigureTexts(spectrum.Value().figures, bench_.language));
    return std::nullopt;
  }

  val Finished(val& result, const std::optional<Problem>& problem) {
    result.set("message", Message(problem, bench_.language));
    result.set("reset", FieldReset(problem));
    return result;
  }

  Workbench bench_;
  SvgSurface angle_{kAngleGraphScale, kAngleGraphPixelWidth, kAngleGraphPixelHeight, kAngleFont};
  SvgSurface spectrum_{kSpectrumGraphScale, kSpectrumGraphPixelWidth, kSpectrumGraphPixelHeight, kSpectrumFont};
};

EMSCRIPTEN_BINDINGS(tervolin) {
  emscripten::class_<Session>("Session")
      .constructor<std::string>()
      .function("startProblem", &Session::StartProblem)
      .function("setLanguage", &Session::SetLanguage)
      .function("materials", &Session::Materials)
      .function("qualities", &Session::Qualities)
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
