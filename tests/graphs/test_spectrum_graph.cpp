// The empty spectrum graph: grid, labels and frame, in the order they are drawn.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "graphs/spectrum_graph.h"
#include "support/recording_surface.h"

namespace tervolin {
namespace {

using testing::DrawOp;

constexpr Rgb kGrey{128, 128, 128};

class SpectrumAxes : public ::testing::Test {
 protected:
  testing::RecordingSurface graph;
};

TEST_F(SpectrumAxes, ThinGreyGridEveryTenKiloelectronvoltsAndTenthOfFluence) {
  DrawSpectrumAxes(graph);
  ASSERT_GE(graph.ops.size(), 24u);
  EXPECT_EQ(graph.ops[0].kind, "DrawWidth");
  EXPECT_EQ(graph.ops[0].width, 1);

  const std::vector<DrawOp> lines = graph.OpsOfKind("Line");
  ASSERT_EQ(lines.size(), 14u + 9u);
  for (int i = 0; i < 14; ++i) {
    const DrawOp& line = lines[static_cast<std::size_t>(i)];
    const float x = 1300.0f + 300.0f * static_cast<float>(i);  // 10 … 140 keV
    SCOPED_TRACE(x);
    EXPECT_EQ(std::vector<float>({line.x1, line.y1, line.x2, line.y2}),
              std::vector<float>({x, 100.0f, x, 2100.0f}));
    EXPECT_EQ(line.colour, kGrey);
  }
  for (int i = 0; i < 9; ++i) {
    const DrawOp& line = lines[static_cast<std::size_t>(14 + i)];
    const float y = 300.0f + 200.0f * static_cast<float>(i);  // φ = 0.9 … 0.1
    SCOPED_TRACE(y);
    EXPECT_EQ(std::vector<float>({line.x1, line.y1, line.x2, line.y2}),
              std::vector<float>({1000.0f, y, 5500.0f, y}));
    EXPECT_EQ(line.colour, kGrey);
  }
  // The grid comes right after the width is set, before any text.
  for (std::size_t i = 1; i <= 23; ++i) EXPECT_EQ(graph.ops[i].kind, "Line") << i;
}

TEST_F(SpectrumAxes, EnergyLabelsAndStackedAxisTitle) {
  DrawSpectrumAxes(graph);
  struct Placed {
    std::string text;
    float x, y;
    bool operator==(const Placed&) const = default;
  };
  std::vector<Placed> printed;
  for (const DrawOp& op : graph.OpsOfKind("Print")) printed.push_back({op.text, op.x1, op.y1});
  const std::vector<Placed> expected{
      {"0", 1000, 2120},       {"50", 2450, 2120},  {"100", 3900, 2120},
      {"150", 5400, 2120},     {"Photon energy (E) in keV", 3000, 2250},
      {"Relative", 200, 300},  {"Photon", 230, 500}, {"Fluence", 230, 700},
      {"φ(E)", 250, 900},
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
  ASSERT_EQ(graph.ops.size(), 1u + 23u + 9u + 2u);
  const DrawOp& width = graph.ops[graph.ops.size() - 2];
  const DrawOp& frame = graph.ops.back();
  EXPECT_EQ(width.kind, "DrawWidth");
  EXPECT_EQ(width.width, 2);
  EXPECT_EQ(frame.kind, "Box");
  EXPECT_EQ(std::vector<float>({frame.x1, frame.y1, frame.x2, frame.y2}),
            std::vector<float>({1000.0f, 100.0f, 5500.0f, 2100.0f}));
  EXPECT_EQ(frame.colour, kBlack);
  EXPECT_TRUE(graph.OpsOfKind("Cls").empty());
}

TEST_F(SpectrumAxes, DrawsTheSameOpsEachTime) {
  DrawSpectrumAxes(graph);
  DrawSpectrumAxes(graph);
  EXPECT_EQ(graph.ops.size(), 2u * 35u);
  EXPECT_EQ(graph.ops[35].kind, graph.ops[0].kind);
}

}  // namespace
}  // namespace tervolin
