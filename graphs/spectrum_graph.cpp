#include "graphs/spectrum_graph.h"

#include <array>
#include <vector>

#include "graphs/drawing_surface.h"
#include "graphs/palette.h"

namespace tervolin {

namespace {

inline constexpr int kPaletteGrey = 8;

// Energy labels under the base line (0, 50, 100, 150 keV), the x-axis title, the
// y-axis title as four stacked words left of the frame, between the fluence labels
// 1 and 0.5, and those labels 1, 0.5 and 0 level with their grid lines, ending some
// 8 pixels left of the frame (a digit of the 21-pixel font is about 110 units wide
// and 130 high); each placed by its top-left corner. On the common scale the
// fluence is relative to the largest spectrum shown, so the same numbers hold.
inline constexpr std::array<PlacedText, 12> kAxisTexts{{
    {"0", 1000, 2120},
    {"50", 2450, 2120},
    {"100", 3900, 2120},
    {"150", 5400, 2120},
    {"Photon energy (E) in keV", 3000, 2250},
    {"Relative", 200, 250},
    {"Photon", 230, 450},
    {"Fluence", 230, 650},
    {"φ(E)", 250, 850},
    {"1", 810, 35},
    {"0.5", 660, 1035},
    {"0", 800, 2035},
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

void DrawSpectrumCurve(DrawingSurface& graph, const EnergyTable& fluence, Rgb colour) {
  const double halfStep = kBinWidthKev / 2;
  graph.DrawWidth(2);
  graph.BeginCurve();
  graph.PSet(kSpectrumFrameLeft, kSpectrumFrameBottom, kBlack);
  for (int n = 2; n <= kEnergyBins; ++n) {
    const auto y = static_cast<float>(SpectrumGraphY(fluence[n]));
    graph.LineTo(static_cast<float>(SpectrumGraphX(BinEnergy(n) - halfStep)), y, colour);
    graph.LineTo(static_cast<float>(SpectrumGraphX(BinEnergy(n) + halfStep)), y, colour);
  }
  graph.EndCurve();
  DrawFrame(graph);
}

Rgb SpectrumCurveColour(std::size_t curvesBefore) {
  static constexpr std::array<int, 4> kTurns{kPaletteRed, kPaletteBlue, kPaletteDarkGreen, kPaletteBlack};
  return PaletteColour(kTurns[curvesBefore % kTurns.size()]);
}

}  // namespace tervolin
