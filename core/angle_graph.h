#pragma once
// The angular distribution graph of the calculation screen: θ from 0° to 180°
// across, scattering probability 0 to 1 upward, on the user coordinates
// x -25 … 185, y -0.15 … 1.05. Curves accumulate until the axes are drawn anew.

#include "core/curve_label.h"
#include "core/drawing_surface.h"
#include "core/shared_state.h"

namespace tervolin {

// Clears the graph and draws grid, scale labels and axis titles; line width 1 after.
// The graph's views forget their curves; the y-axis title is that of the view chosen.
void DrawAngleAxes();
// The same with the y-axis title of the chosen view: "散乱確率" per unit angle,
// "立体角あたり散乱確率" per unit solid angle.
void DrawAngleAxes(bool perSolidAngle);

// Black frame (0, 0)–(180, 1) with line width 2; line width 2 after.
void DrawGraphFrame();

// AngleDistribution(1..180) as a polyline from (0, 0) in the colour of PlotColor,
// then the frame over its ends. The graph remembers the curve, without a label.
void PlotDistribution();

// values(1..180) as a polyline, then the frame; the graph remembers it with its
// label. A curve per unit angle starts at (0, 0), where sin θ is 0; one per unit
// solid angle (fromOrigin false) starts at 1°, since its value at 0° is not 0.
void PlotAngleCurve(const AngleTable& values, Rgb colour, const CurveLabel& label, bool fromOrigin);
// The same dashed: every other 2° of the polyline left out.
void PlotDashedAngleCurve(const AngleTable& values, Rgb colour, const CurveLabel& label, bool fromOrigin);

}  // namespace tervolin
