#include "graphs/figures_box.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "core/number_text.h"
#include "core/text_catalogue.h"
#include "graphs/curve_axis.h"
#include "graphs/drawing_surface.h"
#include "graphs/spectrum_graph.h"

namespace tervolin {

namespace {

// The figures' text against the graph's labels: as large as six lines allow in the
// box (the labels are 21 pixels, this 14).
inline constexpr double kFiguresTextScale = 0.67;

// The box, user units: with one column from just right of 100 keV to just inside the
// frame's right side, from just below its top to above φ = 0.7 (y 700) with six
// lines. Each further column widens it by a column's pitch: room for the widest
// value ("12.345 mmAl", some 77 pixels) and a gap.
inline constexpr float kBoxRight = kSpectrumFrameRight - 20.0f;
inline constexpr float kOneColumnWidth = kBoxRight - (static_cast<float>(SpectrumGraphX(100.0)) + 30.0f);
inline constexpr float kBoxTop = kFiguresBoxTop;
inline constexpr float kLinePitch = kFiguresLinePitch;
inline constexpr float kMargin = kFiguresBoxMargin;
inline constexpr float kColumnPitch = 880.0f;
inline constexpr float kNameOffset = 40.0f;    // the figures' names, from the box's left side
inline constexpr float kValueOffset = 520.0f;  // the first column of values
inline constexpr float kUpperLeft = kSpectrumFrameLeft + 20.0f;  // where a box goes that a curve drives away

// A third column would reach 42 keV, where the spectra peak.
inline constexpr std::size_t kMostColumns = 2;

constexpr float BoxWidth(std::size_t columns) {
  return kOneColumnWidth + kColumnPitch * static_cast<float>(columns - 1);
}
// Two columns reach left to 72 keV: right of 70 keV no spectrum rises above φ 0.54
// with filters up to 1 mm copper and 10 mm aluminium.
static_assert(kBoxRight - BoxWidth(kMostColumns) > SpectrumGraphX(70.0));

float RowY(int row) { return kBoxTop + kMargin + kLinePitch * static_cast<float>(row); }

std::string WithUnit(const std::optional<double>& value, int decimals, const char* unit) {
  return FormatFigure(value, decimals) + (value ? unit : "");
}

// The box's rows for the beams shown: the five figures, and under HVL1 and the
// homogeneity coefficient the standard's, when a beam shown is of a standard quality
// (the homogeneity coefficient's for RQR only).
struct FigureRows {
  bool standardHvl1 = false;
  bool standardHomogeneity = false;
};

FigureRows RowsFor(const std::vector<BeamFigures>& shown) {
  FigureRows rows;
  for (const BeamFigures& f : shown) {
    rows.standardHvl1 = rows.standardHvl1 || f.standardHvl1Mm.has_value();
    rows.standardHomogeneity = rows.standardHomogeneity || f.standardHomogeneity.has_value();
  }
  return rows;
}

std::string StandardText(const std::optional<double>& value, const char* unit) {
  return value ? FixedText(*value, 2) + unit : std::string();
}

// Each row's name and the value's text for one beam ("" where it has none).
std::vector<std::pair<TextId, std::string>> RowTexts(const BeamFigures& f, FigureRows rows) {
  std::vector<std::pair<TextId, std::string>> texts{{TextId::kMeanEnergy, WithUnit(f.meanEnergyKev, 2, " keV")},
                                                    {TextId::kEffectiveEnergy, WithUnit(f.effectiveEnergyKev, 2, " keV")},
                                                    {TextId::kFirstHalfValueLayer, WithUnit(f.hvl1Mm, 3, " mmAl")}};
  if (rows.standardHvl1) texts.push_back({TextId::kStandardFigure, StandardText(f.standardHvl1Mm, " mmAl")});
  texts.push_back({TextId::kSecondHalfValueLayer, WithUnit(f.hvl2Mm, 3, " mmAl")});
  texts.push_back({TextId::kHomogeneity, WithUnit(f.homogeneity, 3, "")});
  if (rows.standardHomogeneity) texts.push_back({TextId::kStandardFigure, StandardText(f.standardHomogeneity, "")});
  return texts;
}

void PrintColumn(DrawingSurface& graph, float x, const BeamFigures& figures, FigureRows rows, Rgb colour) {
  graph.TextColour(colour);
  const auto texts = RowTexts(figures, rows);
  for (std::size_t row = 0; row < texts.size(); ++row) {
    if (!texts[row].second.empty()) graph.Print(x, RowY(static_cast<int>(row)), texts[row].second);
  }
  graph.TextColour(kBlack);
}

// Whether a step of a curve rises above user y `bottom` between user x `left` and
// `right`.
bool CurvesRiseInto(const std::vector<EnergyTable>& fluences, float left, float right, float bottom) {
  const double halfStep = SpectrumGraphX(kBinWidthKev / 2) - SpectrumGraphX(0.0);
  for (const EnergyTable& fluence : fluences) {
    for (int n = 1; n <= kEnergyBins; ++n) {
      const double x = SpectrumGraphX(AbscissaAt(kEnergyAxis, n - 1));
      if (x + halfStep >= left && x - halfStep <= right && SpectrumGraphY(fluence[n]) < bottom) return true;
    }
  }
  return false;
}

struct BoxPlace {
  std::size_t columns;
  float left;
};

// The most columns, up to two, that a box in the upper right or else in the upper
// left can show without a curve rising into it; the last spectra's columns as
// many as there are, in the upper right over the curves, when none can.
BoxPlace PlaceBox(const std::vector<EnergyTable>& fluences, std::size_t spectra, float bottom) {
  const std::size_t most = std::min(spectra, kMostColumns);
  for (std::size_t columns = most; columns >= 1; --columns) {
    for (const float left : {kBoxRight - BoxWidth(columns), kUpperLeft}) {
      if (!CurvesRiseInto(fluences, left, left + BoxWidth(columns), bottom)) return {columns, left};
    }
  }
  return {most, kBoxRight - BoxWidth(most)};
}

void DrawEmptyBox(DrawingSurface& graph, float left, float right, float bottom) {
  graph.FillBox(left, kBoxTop, right, bottom, kWhite);
  graph.DrawWidth(1);
  graph.Box(left, kBoxTop, right, bottom, kBlack);
}

// Only with more than one spectrum do the columns need their colours.
Rgb ColumnColour(std::size_t spectra, std::size_t index) {
  return spectra == 1 ? kBlack : SpectrumCurveColour(index);
}

}  // namespace

void DrawFiguresBox(DrawingSurface& graph, const std::vector<BeamFigures>& shown,
                    const std::vector<EnergyTable>& fluences, Language language) {
  if (shown.empty()) return;
  const std::optional<TextId> problem = shown.back().problem;  // one air table for every spectrum
  const FigureRows rows = RowsFor(shown);
  const auto names = RowTexts(shown.back(), rows);
  const int count = static_cast<int>(names.size());
  const float bottom = RowY(count + (problem ? 1 : 0)) + kMargin;
  const auto [columns, left] = PlaceBox(fluences, shown.size(), bottom);
  DrawEmptyBox(graph, left, left + BoxWidth(columns), bottom);
  graph.TextScale(kFiguresTextScale);
  for (int row = 0; row < count; ++row) graph.Print(left + kNameOffset, RowY(row), TextOf(names[row].first, language));
  for (std::size_t c = 0, first = shown.size() - columns; c < columns; ++c) {
    const float x = left + kValueOffset + kColumnPitch * static_cast<float>(c);
    PrintColumn(graph, x, shown[first + c], rows, ColumnColour(shown.size(), first + c));
  }
  if (problem) graph.Print(left + kNameOffset, RowY(count), TextOf(*problem, language));
  graph.TextScale(1.0);
}

}  // namespace tervolin
