// The library as the page calls it: one Session per page, the program's model with
// its angular and spectrum graphs drawn as SVG. This file only hands the page's
// requests to the model (web/page_requests.h) and its results back as JavaScript
// values (web/page_results.h), each with the message a screen would have shown.

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "core/messages.h"
#include "graphs/graph_picture.h"
#include "graphs/magnitude_graph.h"
#include "graphs/svg_surface.h"
#include "graphs/user_coordinates.h"
#include "web/page_requests.h"
#include "web/page_results.h"
#include "workbench/workbench.h"

namespace tervolin::web {

namespace {

using emscripten::val;

// The polar diagram's and the magnitudes graph's windows: Meiryo 9 pt, and the
// pictures at the windows' sizes (pixels).
const SvgFont kWindowFont{"Meiryo, 'Noto Sans CJK JP', 'Noto Sans JP', sans-serif", 12.0};
constexpr int kPolarWidth = 520, kPolarHeight = 600;
constexpr int kMagnitudeWidth = 640, kMagnitudeHeight = 520;
// A CJK font's line: the height about 1.45 of the size.
constexpr double kLineHeightPerSize = 1.45;

// The font's measures, the widths from the page's `measure(text)` (pixels at the
// font's size).
TextMeasures MeasuresOf(const SvgFont& font, val measure) {
  return {kAscentPerSize * font.pixels, kLineHeightPerSize * font.pixels,
          [measure](const std::string& text) { return measure(text).as<double>(); }};
}

// Whether the operations from `kept` on draw one curve (and whatever follows it but
// curves): then the page adds it and its legend row to what it shows.
bool OneCurveAdded(const DrawingOperations& ops, std::size_t kept) {
  return kept > 0 && CurveCount({ops.begin() + static_cast<std::ptrdiff_t>(kept), ops.end()}) == 1;
}

SvgSurface WindowPicture(int width, int height) {
  return SvgSurface({0.0, 0.0, double(width), double(height)}, width, height, kWindowFont);
}

}  // namespace

// The page's model, with its graphs drawn as SVG, anew whenever the model changes
// what they show.
class Session {
 public:
  // The tables lie in `dataFolder` of the page's file system ("/data"). The page
  // accepts a computed spectrum at once and keeps one of two equal ones.
  explicit Session(const std::string& dataFolder) : bench_(dataFolder, Language::kJapanese) {
    (void)bench_.ReadTables();  // a failure is the start problem
    bench_.SetSpectrumOptions({true, true});
    drawn_ = bench_.Observe([this](Changes changes) { Redraw(changes); });
    Redraw(Change::kLanguage);
  }

  // Why the program cannot calculate at all (its attenuation table), or "".
  std::string StartProblem() const { return Message(bench_.StartProblem()); }

  // The language of the library's texts from now on ("ja" or "en"; another code keeps
  // the one in use): messages, curve labels (those drawn already too), legend rows,
  // figures' names, the graphs' words and the files' names and headings.
  void SetLanguage(const std::string& code) { bench_.ChooseLanguage(LanguageOfCode(code).value_or(bench_.TextLanguage())); }

  val Qualities() const { return QualityList(); }

  // {name, alias, label}: the key, the English alias, the name to show.
  val Materials() const {
    val list = val::array();
    for (const ShownMaterial& m : bench_.Materials()) {
      val entry = val::object();
      entry.set("name", m.key);
      entry.set("alias", m.alias);
      entry.set("label", m.shown);
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
    PageChoice choice = RequestedChoice(request);
    Choose(bench_, choice);
    val result = val::object();
    if (auto missing = bench_.MissingInput(choice.curve, true)) return Finished(result, missing);
    if (choice.spectral) {
      if (auto problem = ComputeSpectrum(choice.settings, result)) return Finished(result, problem);
    }
    const std::size_t drawn = angle_.Operations().size(), clearings = angle_.Clearings();
    const auto curve = bench_.ComputeCurve(choice.curve);
    if (!curve) return Finished(result, curve.Fault());
    if (angle_.Clearings() == clearings && OneCurveAdded(angle_.Operations(), drawn)) {
      result.set("added", angle_.ElementsFrom(drawn));
    }
    result.set("legendRow", RowValue(bench_.LegendRows(GraphKind::kAngle).back()));
    result.set("values", Values(*curve.Value().In({})));
    result.set("label", LabelText(curve.Value().label, bench_.Wording()));
    result.set("views", Views(curve.Value()));
    return Finished(result, std::nullopt);
  }

  // The spectrum screen's スペクトル計算 alone: {message, reset, spectrum, figures}.
  val Spectrum(const val& request) {
    PageChoice choice = RequestedChoice(request);
    val result = val::object();
    return Finished(result, ComputeSpectrum(choice.settings, result));
  }

  // The comparison of the sizes of coherent and incoherent scattering for the
  // request's material at its energy, or over the accepted spectrum in spectral
  // mode: {message, subject} and, when it can be made, {magnitudes}; subject names
  // the material and the energy or spectrum used.
  val Magnitudes(const val& request) {
    const PageChoice choice = RequestedChoice(request);
    Choose(bench_, choice);
    const auto magnitudes = bench_.Compare(choice.curve);
    val result = val::object();
    if (magnitudes) result.set("magnitudes", MagnitudeValues(magnitudes.Value(), bench_.TextLanguage()));
    result.set("message", magnitudes ? "" : Message(magnitudes.Fault()));
    result.set("subject", LabelText(bench_.LastComparison().subject, bench_.Wording()));
    return result;
  }

  // The last comparison as the magnitudes window draws it: the three curves per
  // degree or per steradian on a linear or logarithmic axis, with the σ/ρ table;
  // `measure(text)` gives a text's width in pixels of the window's font.
  std::string MagnitudeSvg(bool perSolidAngle, bool logarithmic, val measure) const {
    SvgSurface svg = WindowPicture(kMagnitudeWidth, kMagnitudeHeight);
    const MagnitudePlot plot = bench_.MagnitudePlotOf(ViewSet{}.With(View::kPerSolidAngle, perSolidAngle), logarithmic);
    DrawMagnitudeGraph(svg, plot, kMagnitudeWidth, kMagnitudeHeight, MeasuresOf(kWindowFont, measure),
                       bench_.TextLanguage());
    return svg.Picture();
  }

  // The polar diagram of the angular graph's curves in its views.
  std::string PolarSvg(val measure) const {
    SvgSurface svg = WindowPicture(kPolarWidth, kPolarHeight);
    bench_.DrawPolar(svg, kPolarWidth, kPolarHeight, MeasuresOf(kWindowFont, measure));
    return svg.Picture();
  }

  // The spectra shown, each to its own maximum or all on one scale.
  void SetCommonScale(bool common) {
    bench_.ChooseSpectrumScale(common ? SpectrumScale::kCommon : SpectrumScale::kEachToItsMaximum);
  }
  void ClearSpectra() { bench_.ClearSpectra(); }
  // グラフ消去.
  void ClearAngleGraph() { bench_.ClearCurves(); }
  // The views by their page keys (core/views.h).
  void SetViews(const val& keys) { bench_.ChooseViews(RequestedViews(keys)); }
  // 色覚に配慮した配色: the curves drawn anew in the colour-vision-safe palette, or back.
  void SetPalette(bool colourVisionSafe) {
    bench_.ChoosePalette(colourVisionSafe ? CurvePalette::kColourVisionSafe : CurvePalette::kScreen);
  }

  std::string AngleSvg() const { return angle_.Picture(); }
  std::string SpectrumSvg() const { return spectrum_.Picture(); }
  // The files: the graph with its legend beside or below it, as the screens save it;
  // 16:9 slides with their legends and title lines.
  std::string AngleSvgFile() const { return bench_.PictureSvg(GraphKind::kAngle, {true, false, false}); }
  std::string SpectrumSvgFile() const { return bench_.PictureSvg(GraphKind::kSpectrum, {true, false, false}); }
  std::string AngleSlideSvg() const { return bench_.PictureSvg(GraphKind::kAngle, {true, true, true}); }
  std::string SpectrumSlideSvg() const { return bench_.PictureSvg(GraphKind::kSpectrum, {true, true, true}); }
  // The tables as bytes: a text would lose its byte-order mark to the browser's
  // UTF-8 decoder.
  val AngleCsv() const { return Bytes(bench_.Csv(GraphKind::kAngle)); }
  val SpectrumCsv() const { return Bytes(bench_.Csv(GraphKind::kSpectrum)); }
  std::string AngleFileStem() const { return bench_.FileStem(GraphKind::kAngle); }
  std::string SpectrumFileStem() const { return bench_.FileStem(GraphKind::kSpectrum); }

  // The angular graph's curves as its legend lists them (RowValue).
  val Legend() const {
    val rows = val::array();
    for (const LegendRow& row : bench_.LegendRows(GraphKind::kAngle)) rows.call<void>("push", RowValue(row));
    return rows;
  }

  // The spectra shown, in order, as legend rows with their figures in one line.
  val SpectrumLegend() const {
    val rows = val::array();
    const std::vector<LegendRow> legend = bench_.LegendRows(GraphKind::kSpectrum);
    for (std::size_t i = 0; i < legend.size(); ++i) {
      val row = RowValue(legend[i]);
      row.set("figures", FiguresLine(bench_.ShownSpectra()[i].figures, bench_.TextLanguage()));
      rows.call<void>("push", row);
    }
    return rows;
  }

 private:
  std::string Message(const std::optional<Problem>& problem) const {
    return problem ? MessageOf(*problem, bench_.TextLanguage()) : "";
  }

  void Redraw(Changes changes) {
    if (changes.Has(Change::kCurveAdded)) {
      bench_.DrawAngleCurvesFrom(angle_, CurveCount(angle_.Operations()));
    } else if (changes.Any(Change::kCurves | Change::kViews | Change::kLanguage | Change::kMaterials)) {
      bench_.DrawGraph(GraphKind::kAngle, angle_);
    }
    if (changes.Any(Change::kSpectra | Change::kLanguage)) bench_.DrawGraph(GraphKind::kSpectrum, spectrum_);
  }

  // The settings checked (a refused one reset as the screen resets it), the spectrum
  // drawn with those shown before and accepted. A refusal leaves the graph as it was.
  std::optional<Problem> ComputeSpectrum(TubeSettings& settings, val& result) {
    const Outcome<tervolin::Spectrum> spectrum = bench_.ComputeSpectrum(settings);
    if (!spectrum) return spectrum.Fault();
    result.set("spectrum", Values(spectrum.Value().fluence));
    result.set("figures", FigureTexts(spectrum.Value().figures, bench_.TextLanguage()));
    return std::nullopt;
  }

  val Finished(val& result, const std::optional<Problem>& problem) const {
    result.set("message", Message(problem));
    result.set("reset", FieldReset(problem));
    return result;
  }

  Workbench bench_;
  SvgSurface angle_{kAngleGraphScale, kAngleGraphPixelWidth, kAngleGraphPixelHeight, AngleGraphSvgFont()};
  SvgSurface spectrum_{kSpectrumGraphScale, kSpectrumGraphPixelWidth, kSpectrumGraphPixelHeight,
                       SpectrumGraphSvgFont()};
  Subscription drawn_;  // last, so that it goes first
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
