#pragma once
// The angular distribution graph of the calculation screen: θ from 0° to 180°
// across, scattering probability 0 to 1 upward, on the user coordinates
// x -25 … 185, y -0.15 … 1.05. Curves accumulate until the axes are drawn anew.

namespace tervolin {

// Clears the graph and draws grid, scale labels and axis titles; line width 1 after.
void DrawAngleAxes();

// Black frame (0, 0)–(180, 1) with line width 2; line width 2 after.
void DrawGraphFrame();

// AngleDistribution(1..180) as a polyline from (0, 0) in the colour of PlotColor,
// then the frame over its ends. The graph remembers the curve, without a label.
void PlotDistribution();

}  // namespace tervolin
