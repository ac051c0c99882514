#include "core/angle_graph.h"

#include <array>
#include <cmath>

#include "core/curve_memory.h"
#include "core/host.h"
#include "core/palette.h"
#include "core/shared_state.h"

namespace tervolin {

namespace {

inline constexpr Rgb kGridGrey{180, 180, 180};

struct PlacedText {
  const char* text;
  float x;
  float y;
};

// Scale labels, the upright y-axis title (one character under the other) and the
// x-axis title, each placed by its top-left corner.
inline constexpr std::array<PlacedText, 15> kAxisTexts{{
    {"1.0", -14, 1.03f}, {"0.5", -14, 0.53f}, {"0.0", -14, 0.05f},
    {"散", -20, 0.90f},  {"乱", -20, 0.82f},  {"確", -20, 0.74f},  {"率", -20, 0.66f},
    {"0", -1, 0},        {"30", 26, 0},       {"60", 56, 0},       {"90", 86, 0},
    {"120", 115, 0},     {"150", 145, 0},     {"180", 172, 0},     {"散乱角度", 91, -0.07f},
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

}  // namespace

void DrawAngleAxes() {
  DrawingSurface& surface = CurrentHost().AngleGraph();
  surface.Cls();
  surface.DrawWidth(1);
  DrawGrid(surface);
  for (const PlacedText& label : kAxisTexts) surface.Print(label.x, label.y, label.text);
}

void DrawGraphFrame() {
  DrawingSurface& surface = CurrentHost().AngleGraph();
  surface.DrawWidth(2);
  surface.Box(0.0f, 0.0f, 180.0f, 1.0f, kBlack);
}

void PlotDistribution() {
  DrawingSurface& surface = CurrentHost().AngleGraph();
  const Rgb colour = PaletteColour(Shared().PlotColor);
  surface.PSet(0.0f, 0.0f, colour);
  for (int i = 1; i <= kAngles; ++i) {
    surface.LineTo(static_cast<float>(i), static_cast<float>(Shared().AngleDistribution[i]), colour);
  }
  const AngleTable& values = Shared().AngleDistribution;
  surface.Curves().Remember({std::vector<double>(values.begin() + 1, values.end()), colour, {}});
  DrawGraphFrame();
}

}  // namespace tervolin
