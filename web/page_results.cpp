#include "web/page_results.h"

#include <utility>

#include "core/beam_qualities.h"
#include "core/number_text.h"
#include "core/text_catalogue.h"
#include "graphs/line_styles.h"
#include "graphs/magnitude_graph.h"
#include "web/page_requests.h"

namespace tervolin::web {

namespace {

using emscripten::val;

// The line styles' dash patterns for curves 2 pixels wide ("" for solid).
std::string Dashes(LineStyle style) {
  std::string dashes;
  for (const double length : DashPattern(style)) dashes += (dashes.empty() ? "" : " ") + ShortestText(2 * length);
  return dashes;
}

std::string CssColour(Rgb c) {
  return "rgb(" + std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b) + ")";
}

}  // namespace

val Views(const ViewedCurve& curve) {
  const std::pair<const char*, DistributionView> kShown[] = {
      {"freeElectron", {View::kFreeElectron}},
      {"perSolidAngle", {View::kPerSolidAngle}},
      {"freeElectronPerSolidAngle", {View::kFreeElectron, View::kPerSolidAngle}}};
  val views = val::object();
  for (const auto& [name, view] : kShown) views.set(name, curve.In(view) ? Values(*curve.In(view)) : val::null());
  return views;
}

val Bytes(const std::string& bytes) {
  const auto view = emscripten::typed_memory_view(bytes.size(), reinterpret_cast<const unsigned char*>(bytes.data()));
  return val::global("Uint8Array").new_(val(view));
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

val QualityList() {
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

}  // namespace tervolin::web
