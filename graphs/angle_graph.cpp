#include "graphs/angle_graph.h"

#include <array>
#include <cmath>
#include <numeric>
#include <vector>

#include "graphs/curve_memory.h"
#include "graphs/line_styles.h"

namespace tervolin {

namespace {

inline constexpr Rgb kGridGrey{180, 180, 180};

// Scale labels, the upright y-axis title (one character under the other) and the
// x-axis title, each placed by its top-left corner.
inline constexpr std::array<PlacedText, 3> kScaleTexts{{{"1.0", -14, 1.03f}, {"0.5", -14, 0.53f}, {"0.0", -14, 0.05f}}};
inline constexpr std::array<PlacedText, 4> kPerAngleTitle{{
    {"散", -20, 0.90f}, {"乱", -20, 0.82f}, {"確", -20, 0.74f}, {"率", -20, 0.66f}}};
inline constexpr std::array<PlacedText, 10> kPerSolidAngleTitle{{
    {"立", -20, 0.98f}, {"体", -20, 0.90f}, {"角", -20, 0.82f}, {"あ", -20, 0.74f}, {"た", -20, 0.66f},
    {"り", -20, 0.58f}, {"散", -20, 0.46f}, {"乱", -20, 0.38f}, {"確", -20, 0.30f}, {"率", -20, 0.22f}}};
inline constexpr std::array<PlacedText, 8> kAngleTexts{{
    {"0", -1, 0},    {"30", 26, 0},   {"60", 56, 0},   {"90", 86, 0},
    {"120", 115, 0}, {"150", 145, 0}, {"180", 172, 0}, {"散乱角度", 91, -0.07f},
}};

void DrawGrid(DrawingSurface& surface) {
  for (int x = 10; x <= 170; x += 10) {
    surface.Line(static_cast<float>(x), 0.0f, static_cast<float>(x), 1.0f, kGridGrey);
  }
  for (int j = 1; j <= 9; ++j) {
    const auto y = static_cast<float>(j * 0.1);
    surface.Line(0.0f, y, 180.0f, y, kGridGrey);
  }
}

// Whether the degree from `degree` to the next is drawn in a dashed curve of `style`:
// lengths drawn and left out in turn, whole degrees so each dash ends on a value.
bool DashDrawnAt(LineStyle style, int degree) {
  static const std::vector<int> kShort{2, 2}, kLong{6, 2}, kSparse{2, 5};
  const std::vector<int>& pattern =
      style == LineStyle::kLongDashed ? kLong : style == LineStyle::kSparseDashed ? kSparse : kShort;
  int at = degree % std::accumulate(pattern.begin(), pattern.end(), 0);
  std::size_t piece = 0;
  while (at >= pattern[piece]) at -= pattern[piece++];
  return piece % 2 == 0;
}

}  // namespace

void DrawAngleAxes(DrawingSurface& surface, bool perSolidAngle) {
  surface.Cls();
  surface.DrawWidth(1);
  DrawGrid(surface);
  surface.PrintAll(kScaleTexts);
  if (perSolidAngle) {
    surface.PrintAll(kPerSolidAngleTitle);
  } else {
    surface.PrintAll(kPerAngleTitle);
  }
  surface.PrintAll(kAngleTexts);
}

void DrawGraphFrame(DrawingSurface& surface) {
  surface.DrawWidth(2);
  surface.Box(0.0f, 0.0f, 180.0f, 1.0f, kBlack);
}

void PlotAngleCurve(DrawingSurface& surface, const AngleTable& values, Rgb colour, const CurveLabel& label,
                    bool fromOrigin) {
  const int first = fromOrigin ? 0 : 1;
  const LineStyle style = NextLineStyle(surface.Curves().Curves(), colour);
  surface.StrokeStyle(style);
  surface.PSet(static_cast<float>(first), fromOrigin ? 0.0f : static_cast<float>(values[1]), colour);
  for (int i = first + 1; i <= kAngles; ++i) surface.LineTo(static_cast<float>(i), static_cast<float>(values[i]), colour);
  surface.StrokeStyle(LineStyle::kSolid);
  surface.Curves().Remember({std::vector<double>(values.begin() + 1, values.end()), colour, label, false, style});
  DrawGraphFrame(surface);
}

void PlotDashedAngleCurve(DrawingSurface& surface, const AngleTable& values, Rgb colour, const CurveLabel& label,
                          bool fromOrigin, LineStyle style) {
  float x = fromOrigin ? 0.0f : 1.0f;
  float y = fromOrigin ? 0.0f : static_cast<float>(values[1]);
  for (int i = fromOrigin ? 1 : 2; i <= kAngles; ++i) {
    const auto yi = static_cast<float>(values[i]);
    if (DashDrawnAt(style, i - 1)) surface.Line(x, y, static_cast<float>(i), yi, colour);
    x = static_cast<float>(i);
    y = yi;
  }
  surface.Curves().Remember({std::vector<double>(values.begin() + 1, values.end()), colour, label, true, style});
  DrawGraphFrame(surface);
}

}  // namespace tervolin
