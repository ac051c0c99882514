#include "graphs/spectrum_graph.h"

#include <array>
#include <vector>

#include "graphs/curve_memory.h"
#include "graphs/drawing_surface.h"
#include "graphs/palette.h"

namespace tervolin {

namespace {

inline constexpr int kPaletteGrey = 8;

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
  for (int energy = 10; energy <= 140; energy += 10) {
    const auto x = static_cast<float>(SpectrumGraphX(energy));
    graph.Line(x, kSpectrumFrameTop, x, kSpectrumFrameBottom, grey);
  }
  for (int tenths = 9; tenths >= 1; --tenths) {
    const auto y = static_cast<float>(SpectrumGraphY(tenths / 10.0));
    graph.Line(kSpectrumFrameLeft, y, kSpectrumFrameRight, y, grey);
  }
}

void DrawFrame(DrawingSurface& graph) {
  graph.DrawWidth(2);
  graph.Box(kSpectrumFrameLeft, kSpectrumFrameTop, kSpectrumFrameRight, kSpectrumFrameBottom, kBlack);
}

}  // namespace

void DrawSpectrumAxes(DrawingSurface& graph) {
  graph.DrawWidth(1);
  DrawGrid(graph);
  graph.PrintAll(kAxisTexts);
  DrawFrame(graph);
}

void ClearSpectrumGraph(DrawingSurface& graph) {
  graph.Cls();
  DrawSpectrumAxes(graph);
}

void DrawSpectrumCurve(DrawingSurface& graph, const EnergyTable& fluence, const CurveLabel& label) {
  const Rgb colour = SpectrumCurveColour(graph.Curves().Count());
  const double halfStep = kBinWidthKev / 2;
  graph.DrawWidth(2);
  graph.PSet(kSpectrumFrameLeft, kSpectrumFrameBottom, kBlack);
  for (int n = 2; n <= kEnergyBins; ++n) {
    const auto y = static_cast<float>(SpectrumGraphY(fluence[n]));
    graph.LineTo(static_cast<float>(SpectrumGraphX(BinEnergy(n) - halfStep)), y, colour);
    graph.LineTo(static_cast<float>(SpectrumGraphX(BinEnergy(n) + halfStep)), y, colour);
  }
  DrawFrame(graph);
  graph.Curves().Remember({std::vector<double>(fluence.begin() + 1, fluence.end()), colour, label});
}

Rgb SpectrumCurveColour(std::size_t curvesBefore) {
  static constexpr std::array<int, 4> kTurns{kPaletteRed, kPaletteBlue, kPaletteDarkGreen, kPaletteBlack};
  return PaletteColour(kTurns[curvesBefore % kTurns.size()]);
}

}  // namespace tervolin
