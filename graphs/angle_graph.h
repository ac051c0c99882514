#pragma once
// The angular distribution graph of the calculation screen: θ from 0° to 180°
// across, the relative differential cross section 0 to 1 upward (each curve's
// maximum 1: not a probability, whose curve would have unit area), on the user coordinates
// x -25 … 185, y -0.15 … 1.05. Curves accumulate until the axes are drawn anew.

#include "core/energy_tables.h"
#include "core/language.h"
#include "core/views.h"
#include "graphs/drawing_surface.h"

namespace tervolin {

// Clears the graph and draws grid, scale labels and axis titles; line width 1 after.
// The y-axis title is that of the views (core/views.h): "相対微分断面積" per unit
// angle, "立体角あたり 相対微分断面積" per unit solid angle.
void DrawAngleAxes(DrawingSurface& graph, const ViewSet& views, Language language);

// Black frame (0, 0)–(180, 1) with line width 2; line width 2 after.
void DrawGraphFrame(DrawingSurface& graph);

// values(1..180) as a polyline in its line style, marked as a curve, then the frame.
// A curve per unit angle starts at (0, 0), where sin θ is 0; one per unit solid
// angle (fromOrigin false) starts at 1°, since its value at 0° is not 0.
void PlotAngleCurve(DrawingSurface& graph, const AngleTable& values, Rgb colour, LineStyle style, bool fromOrigin);
// The same dashed, in degrees drawn and left out: kDashed 2° and 2°, kLongDashed 6°
// and 2°, kSparseDashed 2° and 5°.
void PlotDashedAngleCurve(DrawingSurface& graph, const AngleTable& values, Rgb colour, LineStyle style,
                          bool fromOrigin);

}  // namespace tervolin
