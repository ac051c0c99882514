#include <gtest/gtest.h>

#include "graphs/angle_graph.h"
#include "graphs/palette.h"
#include "graphs/display_list.h"

namespace tervolin {
namespace {


TEST(AngleAxes, ClearGridThenEighteenTextsAtLineWidthOne) {
  DisplayList graph;
  DrawAngleAxes(graph, {}, Language::kJapanese);
  const auto& ops = graph.Operations();
  ASSERT_GE(ops.size(), 2u);
  EXPECT_EQ(ops[0].kind, DrawingKind::kCls);
  EXPECT_EQ(ops[1].kind, DrawingKind::kDrawWidth);
  EXPECT_EQ(ops[1].width, 1);
  const auto lines = graph.OfKind(DrawingKind::kLine);
  ASSERT_EQ(lines.size(), 26u);
  EXPECT_EQ(lines[0].x1, 10.0f);
  EXPECT_EQ(lines[16].x1, 170.0f);
  EXPECT_EQ(lines[17].y1, static_cast<float>(0.1));
  EXPECT_EQ(lines[25].y1, static_cast<float>(9 * 0.1));
  for (const DrawingOperation& line : lines) EXPECT_EQ(line.colour, (Rgb{180, 180, 180}));
  const auto texts = graph.OfKind(DrawingKind::kPrint);
  ASSERT_EQ(texts.size(), 18u);
  EXPECT_EQ(texts[0].text, "1.0");
  EXPECT_EQ(texts[3].text, "相");
  EXPECT_FLOAT_EQ(texts[6].y1, 0.66f);
  EXPECT_EQ(texts[17].text, "散乱角度");
  EXPECT_FLOAT_EQ(texts[17].x1, 91.0f);
  EXPECT_FLOAT_EQ(texts[17].y1, -0.07f);
  EXPECT_TRUE(graph.OfKind(DrawingKind::kBox).empty());
}

TEST(AngleAxes, CurveStartsAtTheOriginAndTheFrameIsDrawnOverIt) {
  DisplayList graph;
  AngleTable values{};
  values[0] = 0.5;
  for (int j = 1; j <= kAngles; ++j) values[j] = j / 180.0;
  PlotAngleCurve(graph, values, PaletteColour(kPaletteDarkGreen), LineStyle::kSolid, true);
  // The curve in its style, and the style solid again after it; marked as one curve.
  ASSERT_EQ(graph.OfKind(DrawingKind::kStrokeStyle).size(), 2u);
  EXPECT_EQ(graph.Operations().front().kind, DrawingKind::kStrokeStyle);
  EXPECT_EQ(graph.Operations().front().style, LineStyle::kSolid);
  std::vector<DrawingOperation> ops = graph.Operations();
  std::erase_if(ops, [](const DrawingOperation& op) {
    return op.kind == DrawingKind::kStrokeStyle || op.kind == DrawingKind::kBeginCurve || op.kind == DrawingKind::kEndCurve;
  });
  EXPECT_EQ(graph.OfKind(DrawingKind::kBeginCurve).size() + graph.OfKind(DrawingKind::kEndCurve).size(), 2u);
  ASSERT_EQ(ops.size(), 1u + 180u + 2u);
  EXPECT_EQ(ops[0].kind, DrawingKind::kPSet);
  EXPECT_EQ(ops[0].x1, 0.0f);
  EXPECT_EQ(ops[0].y1, 0.0f);
  EXPECT_EQ(ops[0].colour, (Rgb{0, 128, 0}));
  EXPECT_EQ(ops[1].kind, DrawingKind::kLineTo);
  EXPECT_EQ(ops[1].x2, 1.0f);
  EXPECT_EQ(ops[1].y2, static_cast<float>(1 / 180.0));
  EXPECT_EQ(ops[180].x2, 180.0f);
  EXPECT_EQ(ops[180].y2, 1.0f);
  EXPECT_EQ(ops[181].kind, DrawingKind::kDrawWidth);
  EXPECT_EQ(ops[181].width, 2);
  EXPECT_EQ(ops[182].kind, DrawingKind::kBox);
  EXPECT_EQ(ops[182].colour, kBlack);
  EXPECT_EQ(ops[182].x2, 180.0f);
  EXPECT_EQ(ops[182].y2, 1.0f);
}

TEST(Palette, ColoursTheProgramUses) {
  EXPECT_EQ(PaletteColour(0), (Rgb{0, 0, 0}));
  EXPECT_EQ(PaletteColour(2), (Rgb{0, 128, 0}));
  EXPECT_EQ(PaletteColour(8), (Rgb{128, 128, 128}));
  EXPECT_EQ(PaletteColour(9), (Rgb{0, 0, 255}));
  EXPECT_EQ(PaletteColour(12), (Rgb{255, 0, 0}));
  EXPECT_EQ(PaletteColour(16), kBlack);
  EXPECT_EQ(PaletteColour(-1), kBlack);
}

}  // namespace
}  // namespace tervolin
