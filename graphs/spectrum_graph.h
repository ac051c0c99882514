#pragma once
// The spectrum screen's graph: 6000 × 2500 user units, origin top left, y downward.
// Inside the frame (1000, 100)–(5500, 2100), photon energy E keV lies at
// x = 1000 + 30·E and relative fluence φ at y = 2100 − 2000·φ.

#include <cstddef>

#include "graphs/drawing_surface.h"
#include "core/energy_tables.h"

namespace tervolin {

// The frame of the plotting area, user units.
inline constexpr float kSpectrumFrameLeft = 1000.0f;   // 0 keV
inline constexpr float kSpectrumFrameRight = 5500.0f;  // 150 keV
inline constexpr float kSpectrumFrameTop = 100.0f;     // φ = 1
inline constexpr float kSpectrumFrameBottom = 2100.0f; // φ = 0

// The width of the graph's text against its font's own where the font stands in for
// MS P Gothic: substitutes set Latin letters about an eighth wider, which would run
// "Relative" and "Fluence" into the frame.
inline constexpr double kSpectrumSubstituteStretch = 0.88;

// User x of photon energy E keV.
inline constexpr double SpectrumGraphX(double energyKev) { return 1000.0 + 30.0 * energyKev; }
// User y of relative fluence φ.
inline constexpr double SpectrumGraphY(double fluence) { return 2100.0 - 2000.0 * fluence; }

// Grid, energy and fluence labels, the stacked axis title and the frame, without
// clearing first.
void DrawSpectrumAxes(DrawingSurface& graph);

// Clears the graph to its axes.
void ClearSpectrumGraph(DrawingSurface& graph);

// The fluence of bins 2…300 as a staircase from the corner (0 keV, φ = 0), each
// bin a step 0.5 keV wide centred on its energy, marked as a curve, then the frame
// over it.
void DrawSpectrumCurve(DrawingSurface& graph, const EnergyTable& fluence, Rgb colour);

// Overlaid spectra take turns: red, blue, dark green, black, then red again.
Rgb SpectrumCurveColour(std::size_t curvesBefore);

}  // namespace tervolin
