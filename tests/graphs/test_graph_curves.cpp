// The graphs' curves as the model shows them and what the graph tools make of them:
// labels and file names worded in a language, the CSV table, the legend rows, the
// read-out, and the spectrum curves' colours in turn.

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "graphs/angle_graph.h"
#include "graphs/angle_graph_views.h"
#include "graphs/curves_csv.h"
#include "core/spreadsheet_cell.h"
#include "graphs/graph_layout.h"
#include "graphs/graph_legend.h"
#include "graphs/palette.h"
#include "graphs/shown_spectra.h"
#include "graphs/spectrum_graph.h"
#include "graphs/display_list.h"

namespace tervolin {
namespace {

const TubeSettings kDefaultConditions{"100", "12", "2.5", "0", "0"};
const LabelWording kJapanese{Language::kJapanese};

CurveLabel WithItem(CurveLabel label, const char* item) {
  label.push_back({item, ""});
  return label;
}

// Labels show the values used, written plainly, whatever form they were typed in;
// file names are plain, and only the voltage, the angle and the filters in use name
// a spectrum.
TEST(CurveLabels, TextsAndFileNamesWithTheValuesUsed) {
  const std::tuple<CurveLabel, const char*, const char*> cases[] = {
      {MonoenergeticLabel(kCoherent, "鉄", " 100 "), "干渉性散乱 鉄 100 keV", "干渉性散乱_鉄_100keV"},
      {WithItem(MonoenergeticLabel(kCoherent, "鉄", "100"), "自由電子"), "干渉性散乱 鉄 100 keV 自由電子",
       "干渉性散乱_鉄_100keV_自由電子"},
      {SpectrumLabel(kDefaultConditions), "100 kV・12°・固有 2.5 mmAl", "100kV_12deg"},
      {SpectrumLabel({" 80 ", "10", "3", " 1 ", "0.1"}), "80 kV・10°・固有 3 mmAl・Al 1 mm・Cu 0.1 mm",
       "80kV_10deg_Al1mm_Cu0.1mm"},
      {SpectrumLabel({"80", "10", "3", "0.0", "0.50"}), "80 kV・10°・固有 3 mmAl・Cu 0.5 mm", "80kV_10deg_Cu0.5mm"},
      {SpectrumLabel({"８０", "1.2e1", "２．５", "２．５", "0"}), "80 kV・12°・固有 2.5 mmAl・Al 2.5 mm", "80kV_12deg_Al2.5mm"},
      {MonoenergeticLabel(kIncoherent, "水", "1e2"), "非干渉性散乱 水 100 keV", "非干渉性散乱_水_100keV"},
      {SpectralLabel(kIncoherent, "水", {"100", "12", "2.5", "", "-1"}), "非干渉性散乱 水 100 kV・12°・固有 2.5 mmAl",
       "非干渉性散乱_水_100kV_12deg"},
      {MonoenergeticLabel(kCoherent, "PMMA (NIST)", "60"), "干渉性散乱 PMMA (NIST) 60 keV", "干渉性散乱_PMMA_NIST_60keV"},
      // Whatever was typed, the name stays one readable file in the chosen folder.
      {MonoenergeticLabel(kCoherent, "鉄・「試料」", "1/2:*?\u202E"), "干渉性散乱 鉄・「試料」 1/2:*?\u202E keV",
       "干渉性散乱_鉄_試料_1_2____keV"},
      {{}, "", "グラフ"}};
  for (const auto& [label, text, stem] : cases) {
    EXPECT_EQ(LabelText(label, kJapanese), text);
    EXPECT_EQ(LabelFileStem(label, kJapanese), stem) << text;
  }
  // The material by its name in the wording's language, its words from the catalogue.
  const LabelWording english{Language::kEnglish, {{"鉄", " iron "}}};
  const CurveLabel iron = SpectralLabel(kCoherent, "鉄", kDefaultConditions);
  EXPECT_EQ(LabelText(iron, english), "Coherent scattering iron 100 kV, 12°, inherent 2.5 mmAl");
  EXPECT_EQ(LabelFileStem(iron, english), "Coherent_scattering_iron_100kV_12deg");
}

std::vector<std::string> Split(const std::string& text, const std::string& separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find(separator, start)) != std::string::npos; start = end + separator.size()) {
    parts.push_back(text.substr(start, end - start));
  }
  parts.push_back(text.substr(start));
  return parts;
}

double Parsed(const std::string& text) {
  double value = std::nan("");
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  EXPECT_EQ(result.ptr, text.data() + text.size()) << text;
  return value;
}

TEST(CurvesCsv, ReadsBackToTheSameDoublesAndTitles) {
  std::vector<double> awkward(kAngles);
  for (int i = 0; i < kAngles; ++i) awkward[i] = std::sin(i + 0.1) / 3.0 + 1e-300 * i;
  std::vector<CurveRecord> curves{{awkward, kBlack, MonoenergeticLabel(kCoherent, "鉄", "100")},
                                  {std::vector<double>(kAngles, 0.1), kBlack, {{"a,\"b\"", ""}}}};
  const std::string csv = CurvesCsv(kAngleAxis, curves, kJapanese);
  ASSERT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
  const std::vector<std::string> rows = Split(csv.substr(3), "\r\n");
  ASSERT_EQ(rows.size(), kAngles + 2u);  // header, 180 rows, nothing after the last line end
  EXPECT_EQ(rows[0], "散乱角度 (deg),干渉性散乱 鉄 100 keV,\"a,\"\"b\"\"\"");
  EXPECT_EQ(rows.back(), "");
  for (int i = 0; i < kAngles; ++i) {
    const std::vector<std::string> cells = Split(rows[i + 1], ",");
    ASSERT_EQ(cells.size(), 3u);
    EXPECT_EQ(cells[0], std::to_string(i + 1));
    EXPECT_EQ(Parsed(cells[1]), awkward[i]);
    EXPECT_EQ(cells[2], "0.1");
  }
  const std::string spectrum = CurvesCsv(kEnergyAxis, {}, kJapanese);
  EXPECT_EQ(Split(spectrum, "\r\n")[1], "0.5");
  EXPECT_EQ(Split(spectrum, "\r\n")[300], "150");
}

// A label typed as a formula stays text in a spreadsheet; numbers stay numbers.
TEST(CurvesCsv, CellsThatASpreadsheetWouldRunGetAnApostrophe) {
  for (const auto& [cell, safe] : std::vector<std::pair<std::string, std::string>>{
           {"=1+1", "'=1+1"}, {"@SUM(A1)", "'@SUM(A1)"}, {"-cmd", "'-cmd"}, {"+1+2", "'+1+2"},
           {"\t=1", "'\t=1"}, {"-1.5E-03", "-1.5E-03"}, {"+100", "+100"}, {"100", "100"}, {"", ""}, {"a=b", "a=b"}}) {
    EXPECT_EQ(FormulaSafeCell(cell), safe);
  }
  const CurveLabel typed{{"+100+cmd|' /C calc'!A0", "kV"}};
  const std::string csv = CurvesCsv(kEnergyAxis, {{std::vector<double>{-1.5e-3}, kBlack, typed}}, kJapanese);
  EXPECT_EQ(Split(csv.substr(3), "\r\n")[0], "エネルギー (keV),'+100+cmd|' /C calc'!A0 kV");
  EXPECT_EQ(Split(csv.substr(3), "\r\n")[1], "0.5,-0.0015");
}

TEST(GraphLegend, RowsInDrawingOrderWithTheAngleOfTheMaximum) {
  std::vector<double> peaked(kAngles, 0.2);
  peaked[7] = 1.0;
  peaked[90] = 1.0;  // a later equal maximum does not count
  const std::vector<CurveRecord> curves{{peaked, PaletteColour(kPaletteRed), MonoenergeticLabel(kCoherent, "鉄", "100")},
                                        {std::vector<double>(kAngles, 0.5), PaletteColour(kPaletteBlue), {}}};
  const std::vector<LegendRow> rows = LegendRows(kAngleAxis, curves, true, kJapanese);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].title, "干渉性散乱 鉄 100 keV");
  EXPECT_EQ(rows[0].note, "ピーク 8°");
  EXPECT_EQ(rows[0].colour, PaletteColour(kPaletteRed));
  EXPECT_EQ(rows[1].title, "曲線 2");
  EXPECT_EQ(rows[1].note, "ピーク 1°");
  EXPECT_EQ(LegendRows(kEnergyAxis, curves, false, kJapanese)[0].note, "");
}

TEST(GraphReadOut, NearestAbscissaInsideTheFrameWithEveryCurvesValue) {
  std::vector<double> values(kEnergyBins, 0.0);
  values[118] = 0.98765;  // 59.5 keV
  const std::vector<CurveRecord> curves{{values, kBlack, SpectrumLabel(kDefaultConditions)}};
  const auto index = CurveIndexAt(kSpectrumGraphLayout, SpectrumGraphX(59.6), SpectrumGraphY(0.5));
  ASSERT_TRUE(index.has_value());
  EXPECT_EQ(ReadOutText(kEnergyAxis, *index, curves, kJapanese),
            "E = 59.5 keV\n100 kV・12°・固有 2.5 mmAl: 0.988");
  EXPECT_FALSE(CurveIndexAt(kSpectrumGraphLayout, SpectrumGraphX(-1.0), SpectrumGraphY(0.5)));
  EXPECT_FALSE(CurveIndexAt(kSpectrumGraphLayout, SpectrumGraphX(50.0), SpectrumGraphY(1.01)));
  EXPECT_EQ(CurveIndexAt(kAngleGraphLayout, 7.6, 0.5), 7);   // θ = 8°
  EXPECT_EQ(CurveIndexAt(kAngleGraphLayout, 0.2, 0.0), 0);   // θ = 1° nearest there is
  EXPECT_EQ(CurveIndexAt(kAngleGraphLayout, 180.0, 1.0), 179);
  EXPECT_FALSE(CurveIndexAt(kAngleGraphLayout, 90.0, -0.01));
  EXPECT_EQ(ReadOutText(kAngleAxis, 7, {}, kJapanese), "θ = 8°");
}

// A curve as the model shows it keeps its doubles and colour; drawn, it is marked as
// one curve of the display list.
TEST(ShownCurves, AngularCurveKeepsItsDoublesAndIsMarkedWhereDrawn) {
  AngleTable values{};
  for (int j = 1; j <= kAngles; ++j) values[j] = 1.0 / 3.0 + j;
  AngleGraphViews views;
  ViewedCurve curve{{{kCoherent, kSingleEnergy, 100.0}, {}}, PaletteColour(kPaletteDarkGreen),
                    MonoenergeticLabel(kCoherent, "鉄", "100")};
  curve.views[0] = values;
  views.Add(curve);
  const std::vector<CurveRecord> curves = CurveRecords(views.Shown());
  ASSERT_EQ(curves.size(), 1u);
  EXPECT_EQ(curves[0].values, std::vector<double>(values.begin() + 1, values.end()));
  EXPECT_EQ(curves[0].colour, PaletteColour(kPaletteDarkGreen));
  EXPECT_EQ(LabelText(curves[0].label, kJapanese), "干渉性散乱 鉄 100 keV");
  DisplayList graph;
  RedrawAngleGraph(graph, views, Language::kJapanese);
  const DrawingOperations& ops = graph.Operations();
  const auto begin = std::find_if(ops.begin(), ops.end(), [](const auto& op) { return op.kind == DrawingKind::kBeginCurve; });
  const auto end = std::find_if(begin, ops.end(), [](const auto& op) { return op.kind == DrawingKind::kEndCurve; });
  EXPECT_EQ(std::count_if(begin, end, [](const auto& op) { return op.kind == DrawingKind::kLineTo; }), kAngles);
}

TEST(ShownCurves, SpectrumCurvesTakeTurnsRedBlueDarkGreenBlack) {
  std::vector<Spectrum> spectra(5);
  for (int n = 1; n <= kEnergyBins; ++n) spectra[0].fluence[n] = n / 300.0;
  const std::vector<Rgb> expected{PaletteColour(kPaletteRed), PaletteColour(kPaletteBlue),
                                  PaletteColour(kPaletteDarkGreen), kBlack, PaletteColour(kPaletteRed)};
  const std::vector<CurveRecord> curves = SpectrumRecords(spectra, SpectrumScale::kEachToItsMaximum);
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(curves[i].colour, expected[i]) << i;
  EXPECT_EQ(curves[0].values, std::vector<double>(spectra[0].fluence.begin() + 1, spectra[0].fluence.end()));
  DisplayList graph;
  DrawShownSpectra(graph, spectra, SpectrumScale::kEachToItsMaximum, Language::kJapanese);
  const std::vector<DrawingOperation> steps = graph.OfKind(DrawingKind::kLineTo);
  ASSERT_EQ(steps.size(), 5u * 2u * (kEnergyBins - 1));
  for (std::size_t i = 0; i < steps.size(); ++i) ASSERT_EQ(steps[i].colour, expected[i / (2 * (kEnergyBins - 1))]);
}

}  // namespace
}  // namespace tervolin
