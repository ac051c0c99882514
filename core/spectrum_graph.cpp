#include "core/spectrum_graph.h"

#include <array>

#include "core/drawing_surface.h"
#include "core/host.h"
#include "core/palette.h"

namespace tervolin {

namespace {

inline constexpr int kPaletteGrey = 8;

struct PlacedText {
  const char* text;
  float x;
  float y;
};

// Energy labels under the base line (0, 50, 100, 150 keV), the x-axis title, and
// the y-axis title as four stacked words left of the frame; each placed by its
// top-left corner.
inline constexpr std::array<PlacedText, 9> kAxisTexts{{
    {"0", 1000, 2120},
    {"50", 2450, 2120},
    {"100", 3900, 2120},
    {"150", 5400, 2120},
    {"Photon energy (E) in keV", 3000, 2250},
    {"Relative", 200, 300},
    {"Photon", 230, 500},
    {"Fluence", 230, 700},
    {"φ(E)", 250, 900},
}};

// Vertical lines every 10 keV from 10 to 140 keV, horizontal ones every 0.1 of
// relative fluence from 0.9 down to 0.1.
void DrawGrid(DrawingSurface& graph) {
  const Rgb grey = PaletteColour(kPaletteGrey);
  for (int x = 1300; x <= 5200; x += 300) {
    graph.Line(static_cast<float>(x), 100.0f, static_cast<float>(x), 2100.0f, grey);
  }
  for (int y = 300; y <= 1900; y += 200) {
    graph.Line(1000.0f, static_cast<float>(y), 5500.0f, static_cast<float>(y), grey);
  }
}

}  // namespace

void DrawSpectrumAxes() {
  DrawingSurface& graph = CurrentHost().SpectrumGraph();
  graph.DrawWidth(1);
  DrawGrid(graph);
  for (const PlacedText& label : kAxisTexts) graph.Print(label.x, label.y, label.text);
  graph.DrawWidth(2);
  graph.Box(1000.0f, 100.0f, 5500.0f, 2100.0f, kBlack);
}

}  // namespace tervolin
