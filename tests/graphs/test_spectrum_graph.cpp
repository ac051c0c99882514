// The empty spectrum graph: grid, labels and frame, in the order they are drawn;
// the figures box's columns for several spectra and its place.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "graphs/figures_box.h"
#include "graphs/shown_spectra.h"
#include "graphs/spectrum_graph.h"
#include "graphs/display_list.h"

namespace tervolin {
namespace {


constexpr Rgb kGrey{128, 128, 128};

class SpectrumAxes : public ::testing::Test {
 protected:
  DisplayList graph;
};

TEST_F(SpectrumAxes, ThinGreyGridEveryTenKiloelectronvoltsAndTenthOfFluence) {
  DrawSpectrumAxes(graph);
  ASSERT_GE(graph.Operations().size(), 24u);
  EXPECT_EQ(graph.Operations()[0].kind, DrawingKind::kDrawWidth);
  EXPECT_EQ(graph.Operations()[0].width, 1);

  const std::vector<DrawingOperation> lines = graph.OfKind(DrawingKind::kLine);
  ASSERT_EQ(lines.size(), 14u + 9u);
  for (int i = 0; i < 14; ++i) {
    const DrawingOperation& line = lines[static_cast<std::size_t>(i)];
    const float x = 1300.0f + 300.0f * static_cast<float>(i);  // 10 … 140 keV
    SCOPED_TRACE(x);
    EXPECT_EQ(std::vector<float>({line.x1, line.y1, line.x2, line.y2}),
              std::vector<float>({x, 100.0f, x, 2100.0f}));
    EXPECT_EQ(line.colour, kGrey);
  }
  for (int i = 0; i < 9; ++i) {
    const DrawingOperation& line = lines[static_cast<std::size_t>(14 + i)];
    const float y = 300.0f + 200.0f * static_cast<float>(i);  // φ = 0.9 … 0.1
    SCOPED_TRACE(y);
    EXPECT_EQ(std::vector<float>({line.x1, line.y1, line.x2, line.y2}),
              std::vector<float>({1000.0f, y, 5500.0f, y}));
    EXPECT_EQ(line.colour, kGrey);
  }
  // The grid comes right after the width is set, before any text.
  for (std::size_t i = 1; i <= 23; ++i) EXPECT_EQ(graph.Operations()[i].kind, DrawingKind::kLine) << i;
}

TEST_F(SpectrumAxes, EnergyLabelsAndStackedAxisTitle) {
  DrawSpectrumAxes(graph);
  struct Placed {
    std::string text;
    float x, y;
    bool operator==(const Placed&) const = default;
  };
  std::vector<Placed> printed;
  for (const DrawingOperation& op : graph.OfKind(DrawingKind::kPrint)) printed.push_back({op.text, op.x1, op.y1});
  const std::vector<Placed> expected{
      {"0", 1000, 2120},       {"50", 2450, 2120},  {"100", 3900, 2120},
      {"150", 5400, 2120},     {"Photon energy (E) in keV", 3000, 2250},
      {"Relative", 200, 250},  {"Photon", 230, 450}, {"Fluence", 230, 650},
      {"φ(E)", 250, 850},      {"1", 810, 35},      {"0.5", 660, 1035},
      {"0", 800, 2035},
  };
  ASSERT_EQ(printed.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(printed[i].text, expected[i].text) << i;
    EXPECT_EQ(printed[i].x, expected[i].x) << expected[i].text;
    EXPECT_EQ(printed[i].y, expected[i].y) << expected[i].text;
  }
}

TEST_F(SpectrumAxes, ThickBlackFrameLastAndNoClearing) {
  DrawSpectrumAxes(graph);
  ASSERT_EQ(graph.Operations().size(), 1u + 23u + 12u + 2u);
  const DrawingOperation& width = graph.Operations()[graph.Operations().size() - 2];
  const DrawingOperation& frame = graph.Operations().back();
  EXPECT_EQ(width.kind, DrawingKind::kDrawWidth);
  EXPECT_EQ(width.width, 2);
  EXPECT_EQ(frame.kind, DrawingKind::kBox);
  EXPECT_EQ(std::vector<float>({frame.x1, frame.y1, frame.x2, frame.y2}),
            std::vector<float>({1000.0f, 100.0f, 5500.0f, 2100.0f}));
  EXPECT_EQ(frame.colour, kBlack);
  EXPECT_TRUE(graph.OfKind(DrawingKind::kCls).empty());
}

TEST_F(SpectrumAxes, DrawsTheSameOpsEachTime) {
  DrawSpectrumAxes(graph);
  DrawSpectrumAxes(graph);
  EXPECT_EQ(graph.Operations().size(), 2u * 38u);
  EXPECT_EQ(graph.Operations()[38].kind, graph.Operations()[0].kind);
}

// On the common scale the numbers stay level with their grid lines (a digit's middle
// 65 units below its top); a spectrum of half the largest maximum peaks at "0.5".
TEST(FluenceTicks, CommonScaleKeepsTheNumbers) {
  Spectrum strong, weak;
  strong.fluence[100] = weak.fluence[200] = 1.0;
  strong.unscaledMaximum = 4.0;
  weak.unscaledMaximum = 2.0;
  DisplayList graph;
  DrawShownSpectra(graph, {strong, weak}, SpectrumScale::kCommon, Language::kJapanese);
  std::map<std::string, double> middles;
  for (const DrawingOperation& op : graph.OfKind(DrawingKind::kPrint)) {
    if (op.x1 > 600 && op.x1 < kSpectrumFrameLeft) middles[op.text] = op.y1 + 65.0;
  }
  const std::map<std::string, double> levels{{"0", 0.0}, {"0.5", 0.5}, {"1", 1.0}};
  ASSERT_EQ(middles.size(), levels.size());
  for (const auto& [text, level] : levels) EXPECT_NEAR(middles[text], SpectrumGraphY(level), 20.0) << text;
  EXPECT_EQ(SpectrumRecords({strong, weak}, SpectrumScale::kCommon)[1].values[199], 0.5);  // bin 200
}

// One column of values per spectrum, the last two when more are shown, each in its
// spectrum's colour; black for a lone spectrum. Spectrum i's mean energy is 40 + i keV.
TEST(FiguresBox, ColumnsOfTheLastSpectraInTheirColours) {
  const Rgb red{255, 0, 0}, blue{0, 0, 255}, darkGreen{0, 128, 0};
  const std::vector<std::map<std::string, Rgb>> expected{
      {{"40.00 keV", kBlack}}, {{"40.00 keV", red}, {"41.00 keV", blue}},
      {{"41.00 keV", blue}, {"42.00 keV", darkGreen}}, {{"42.00 keV", darkGreen}, {"43.00 keV", kBlack}},
      {{"43.00 keV", kBlack}, {"44.00 keV", red}}};
  for (std::size_t n = 1; n <= expected.size(); ++n) {
    SCOPED_TRACE(n);
    std::vector<BeamFigures> shown(n);
    for (std::size_t i = 0; i < n; ++i) shown[i].meanEnergyKev = 40.0 + static_cast<double>(i);
    DisplayList graph;
    DrawFiguresBox(graph, shown, {}, Language::kJapanese);
    std::map<std::string, Rgb> means;
    Rgb ink = kBlack;
    for (const DrawingOperation& op : graph.Operations()) {
      if (op.kind == DrawingKind::kTextColour) ink = op.colour;
      if (op.kind == DrawingKind::kPrint && op.text.ends_with(".00 keV")) means[op.text] = ink;
    }
    EXPECT_EQ(means, expected[n - 1]);
    EXPECT_EQ(ink, kBlack);  // the text colour left as it was
  }
}

// A curve of a hard beam under the upper right sends the box to the upper left,
// with one column if two would meet a curve there; with no free place it stays.
TEST(FiguresBox, MovesAwayFromTheCurvesWhereItCan) {
  EnergyTable hard{}, soft{}, middle{};
  hard[220] = soft[60] = middle[120] = 1.0;  // at 110, 30 and 60 keV
  const std::pair<std::vector<EnergyTable>, std::pair<float, float>> cases[] = {
      {{hard}, {1020, 2470}},         {{soft}, {4030, 5480}},         {{hard, soft}, {3150, 5480}},
      {{hard, middle}, {1020, 2470}}, {{middle, soft}, {3150, 5480}}, {{}, {4030, 5480}}};
  for (const auto& [curves, edges] : cases) {
    DisplayList graph;
    DrawFiguresBox(graph, std::vector<BeamFigures>(std::max<std::size_t>(1, curves.size())), curves,
                   Language::kJapanese);
    const DrawingOperation box = graph.OfKind(DrawingKind::kFillBox).at(0);
    EXPECT_EQ(std::pair(box.x1, box.x2), edges) << curves.size();
  }
}

}  // namespace
}  // namespace tervolin
