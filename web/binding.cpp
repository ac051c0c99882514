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
#include "core/text_catalogue.h"
#include "core/tube_settings.h"
#include "data/material_catalogue.h"
#include "graphs/angle_graph.h"
#include "graphs/angle_graph_views.h"
#include "graphs/curve_axis.h"
#include "graphs/curve_label.h"
#include "graphs/curves_csv.h"
#include "graphs/graph_layout.h"
#include "graphs/graph_legend.h"
#include "graphs/graph_picture.h"
#include "graphs/line_styles.h"
#include "graphs/magnitude_graph.h"
#include "graphs/palette.h"
#include "graphs/polar_diagram.h"
#include "graphs/shown_spectra.h"
#include "graphs/spectrum_graph.h"
#include "graphs/svg_surface.h"
#include "graphs/user_coordinates.h"
#include "workbench/workbench.h"

namespace tervolin::web {

namespace {

using emscripten::val;

// The screens' fonts, as the page has them: Meiryo 14.25 pt on the angular graph,
// MS P Gothic 15.75 pt bold on the spectrum graph, at 96 pixels per inch, narrowed
// as the desktop narrows a substitute (browsers substitute for it too).
const SvgFont kAngleFont = AngleGraphSvgFont();
const SvgFont kSpectrumFont = SpectrumGraphSvgFont();
// The polar diagram's and the magnitudes graph's windows: Meiryo 9 pt, and the
// pictures at the windows' sizes (pixels).
const SvgFont kWindowFont{"Meiryo, 'Noto Sans CJK JP', 'Noto Sans JP', sans-serif", 12.0};
constexpr int kPolarWidth = 520, kPolarHeight = 600;
constexpr int kMagnitudeWidth = 640, kMagnitudeHeight = 520;
// A CJK font's line: the ascent as the SVG surface places text, the height about
// 1.45 of the size.
constexpr double kLineHeightPerSize = 1.45, kAscentPerSize = 0.88;


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

// The figures of a beam in one line: mean and effective energies (keV), the half-value
// layers (mm Al) and the homogeneity coefficient.
std::string FiguresLine(const BeamFigures& f, Language language) {
  const std::pair<TextId, std::string> parts[] = {
      {TextId::kMeanEnergy, FormatFigure(f.meanEnergyKev, 2) + " keV"},
      {TextId::kEffectiveEnergy, FormatFigure(f.effectiveEnergyKev, 2) + " keV"},
      {TextId::kFirstHalfValueLayer, FormatFigure(f.hvl1Mm, 3) + " mmAl"},
      {TextId::kSecondHalfValueLayer, FormatFigure(f.hvl2Mm, 3) + " mmAl"},
      {TextId::kHomogeneity, FormatFigure(f.homogeneity, 3)}};
  std::string line;
  for (const auto& [name, value] : parts) line += (line.empty() ? "" : ", ") + TextOf(name, language) + " " + value;
  return line;
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

// The font's measures, the widths from the page's `measure(text)` (pixels at the
// font's size).
TextMeasures MeasuresOf(const SvgFont& font, val measure) {
  return {kAscentPerSize * font.pixels, kLineHeightPerSize * font.pixels,
          [measure](const std::string& text) { return measure(text).as<double>(); }};
}

val RowValue(const LegendRow& row) {
  val r = val::object();
  r.set("colour", CssColour(row.colour));
  r.set("title", row.title);
  r.set("note", row.note);
  r.set("dashed", row.dashed);
  r.set("dashes", Dashes(row.style));
  return r;
}

// The angular graph's curves in the chosen views, as the polar diagram draws them.
std::vector<PolarCurve> PolarCurves(const AngleGraphViews& views, Language language) {
  std::vector<PolarCurve> curves;
  for (const ShownCurve& c : views.Shown(language)) {
    curves.push_back({*c.values, c.colour, LabelText(c.label, language), c.style});
  }
  return curves;
}

// An SVG surface that counts its clearings, so that the page can tell a curve added
// to what it shows from a graph drawn anew.
class CountedSvgSurface : public SvgSurface {
 public:
  using SvgSurface::SvgSurface;
  void Cls() override {
    SvgSurface::Cls();
    ++clearings;
  }
  std::size_t clearings = 0;
};

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
    DrawShownSpectra(spectrum_, bench_.shownSpectra, scale_);
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
  // targetAngle}. Returns {message, reset, values, label, views, spectrum, figures,
  // added, legendRow}, reset the fields to put right and their new texts; added the
  // SVG elements of the new curve when the rest of the graph stays as it was
  // (undefined when the graph was drawn anew), legendRow the new curve's row.
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
    const std::size_t drawn = angle_.Operations().size(), clearings = angle_.clearings;
    bench_.DrawLastCurve(angle_);
    if (angle_.clearings == clearings) result.set("added", angle_.ElementsFrom(drawn));
    const CurveRecord& last = angle_.Curves().Curves().back();
    result.set("legendRow", RowValue(LegendRows(kAngleAxis, {last}, true, bench_.language).front()));
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
    subject_ = bench_.MagnitudeSubject(choice.curve);
    result.set("subject", LabelText(subject_, bench_.language));
    compared_ = magnitudes ? std::optional(magnitudes.Value()) : std::nullopt;
    spectralComparison_ = choice.spectral;
    return result;
  }

  // The last comparison as the magnitudes window draws it: the three curves per
  // degree or per steradian on a linear or logarithmic axis, with the σ/ρ table;
  // `measure(text)` gives a text's width in pixels of the window's font.
  std::string MagnitudeSvg(bool perSolidAngle, bool logarithmic, val measure) const {
    MagnitudePlot plot{LabelText(subject_, bench_.language), perSolidAngle ? "dσ/dΩ (cm²/g/sr)" : "dσ/dθ (cm²/g/deg)", {}, logarithmic,
                       {}};
    if (compared_) {
      plot.curves = MagnitudeCurvesOf(*compared_, perSolidAngle, bench_.language);
      plot.table = MagnitudeTableOf(*compared_, spectralComparison_, bench_.language);
    }
    SvgSurface svg({0.0, 0.0, double(kMagnitudeWidth), double(kMagnitudeHeight)}, kMagnitudeWidth, kMagnitudeHeight,
                   kWindowFont);
    svg.SetTextLanguage(bench_.language);
    DrawMagnitudeGraph(svg, plot, kMagnitudeWidth, kMagnitudeHeight, MeasuresOf(kWindowFont, measure));
    return svg.Picture();
  }

  // The polar diagram of the angular graph's curves in its views, under `caption`.
  std::string PolarSvg(val measure) const {
    const std::string caption = PolarCaption(bench_.views.choices.perSolidAngle, bench_.language);
    SvgSurface svg({0.0, 0.0, double(kPolarWidth), double(kPolarHeight)}, kPolarWidth, kPolarHeight, kWindowFont);
    svg.SetTextLanguage(bench_.language);
    DrawPolarDiagram(svg, kPolarWidth, kPolarHeight, caption, PolarCurves(bench_.views, bench_.language),
                     MeasuresOf(kWindowFont, measure));
    return svg.Picture();
  }

  // The spectra shown, each to its own maximum or all on one scale.
  void SetCommonScale(bool common) {
    scale_ = common ? SpectrumScale::kCommon : SpectrumScale::kEachToItsMaximum;
    DrawShownSpectra(spectrum_, bench_.shownSpectra, scale_);
  }

  void ClearSpectra() {
    bench_.shownSpectra.clear();
    ClearSpectrumGraph(spectrum_);
  }

  // グラフ消去.
  void ClearAngleGraph() { bench_.ClearAngleGraph(angle_); }

  void SetViews(bool freeElectron, bool perSolidAngle) {
    bench_.views.choices.freeElectronCurves = freeElectron;
    bench_.views.choices.perSolidAngle = perSolidAngle;
    RedrawAngleGraph(angle_, bench_.views);
  }

  std::string AngleSvg() const { return angle_.Picture(); }
  std::string SpectrumSvg() const { return spectrum_.Picture(); }
  // The files: the graph with its legend beside or below it, as the screens save it.
  std::string AngleSvgFile() const {
    return EstimatedPictureSvg(angle_, kAngleGraphLayout, kAngleGraphScale, true, {}, false);
  }
  std::string SpectrumSvgFile() const {
    return EstimatedPictureSvg(spectrum_, kSpectrumGraphLayout, kSpectrumGraphScale, true, {}, false);
  }
  // The tables as bytes: a text would lose its byte-order mark to the browser's
  // UTF-8 decoder.
  val AngleCsv() { return Bytes(CurvesCsv(kAngleAxis, angle_.Curves().Curves(), bench_.language)); }
  val SpectrumCsv() { return Bytes(CurvesCsv(kEnergyAxis, spectrum_.Curves().Curves(), bench_.language)); }
  std::string AngleFileStem() { return GraphFileStem(angle_.Curves().Curves(), bench_.language); }
  std::string SpectrumFileStem() { return GraphFileStem(spectrum_.Curves().Curves(), bench_.language); }

  // 16:9 slides of the graphs with their legends and title lines.
  std::string AngleSlideSvg() const {
    return EstimatedPictureSvg(angle_, kAngleGraphLayout, kAngleGraphScale, true, AngleGraphTitle(bench_.views), true);
  }
  std::string SpectrumSlideSvg() const {
    return EstimatedPictureSvg(spectrum_, kSpectrumGraphLayout, kSpectrumGraphScale, true,
                               TextOf(TextId::kSpectrumGraphTitle, bench_.language), true);
  }

  // 色覚に配慮した配色: the curves drawn anew in the colour-vision-safe palette, or back.
  void SetPalette(bool colourVisionSafe) {
    bench_.views.choices.palette = colourVisionSafe ? CurvePalette::kColourVisionSafe : CurvePalette::kScreen;
    RedrawAngleGraph(angle_, bench_.views);
  }

  // The angular graph's curves as its legend lists them: {colour, title, note, dashed,
  // dashes}, dashes the stroke-dasharray of the curve's line style ("" for solid).
  val Legend() {
    val rows = val::array();
    for (const LegendRow& row : LegendRows(kAngleAxis, angle_.Curves().Curves(), true, bench_.language)) {
      rows.call<void>("push", RowValue(row));
    }
    return rows;
  }

  // The spectra shown, in order, as legend rows with their figures in one line.
  val SpectrumLegend() {
    val rows = val::array();
    const std::vector<LegendRow> legend = LegendRows(kEnergyAxis, spectrum_.Curves().Curves(), false, bench_.language);
    for (std::size_t i = 0; i < legend.size(); ++i) {
      val row = RowValue(legend[i]);
      if (i < bench_.shownSpectra.size()) row.set("figures", FiguresLine(bench_.shownSpectra[i].figures, bench_.language));
      rows.call<void>("push", row);
    }
    return rows;
  }

 private:
  void Choose(const Choice& choice) {
    bench_.scatter = choice.scatter;
    bench_.energyMode = choice.spectral ? kSpectral : kSingleEnergy;
    bench_.colour = choice.colour;
  }

  // The page accepts a spectrum at once: the settings checked (a refused one reset
  // as the screen resets it), the spectrum drawn with those shown before, the same
  // one computed again once. A refusal leaves the graph as it was.
  std::optional<Problem> DrawSpectrum(TubeSettings& settings, val& result) {
    const Outcome<tervolin::Spectrum> spectrum = bench_.ComputeSpectrum(settings);
    if (!spectrum) return spectrum.Fault();
    std::vector<tervolin::Spectrum>& shown = bench_.shownSpectra;
    if (shown.size() > 1 && shown[shown.size() - 2].fluence == shown.back().fluence) shown.erase(shown.end() - 2);
    (void)bench_.AcceptSpectrum();
    DrawShownSpectra(spectrum_, shown, scale_);
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
  SpectrumScale scale_ = SpectrumScale::kEachToItsMaximum;
  // The last comparison of the sizes of scattering, what it is of and whether over a
  // spectrum.
  std::optional<ScatteringMagnitudes> compared_;
  CurveLabel subject_;
  bool spectralComparison_ = false;
  CountedSvgSurface angle_{kAngleGraphScale, kAngleGraphPixelWidth, kAngleGraphPixelHeight, kAngleFont};
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
      .function("legend", &Session::Legend)
      .function("spectrumLegend", &Session::SpectrumLegend)
      .function("magnitudeSvg", &Session::MagnitudeSvg)
      .function("polarSvg", &Session::PolarSvg)
      .function("setCommonScale", &Session::SetCommonScale)
      .function("clearSpectra", &Session::ClearSpectra)
      .function("angleSlideSvg", &Session::AngleSlideSvg)
      .function("spectrumSlideSvg", &Session::SpectrumSlideSvg)
      .function("setPalette", &Session::SetPalette);
}

}  // namespace tervolin::web
