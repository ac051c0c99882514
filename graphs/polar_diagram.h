#pragma once
// The polar diagram of angular distributions: the scatterer at the centre, the beam
// coming in from the left along the axis, the scattering angle θ measured from the
// beam's direction (0° points right, 180° back left), the distribution's value as
// the radius (1 on the unit circle). Scattering is symmetric about the beam, so
// each curve is drawn above the axis and mirrored below it. The diagram is drawn
// with a caption above it and a legend below it.

#include <cstddef>
#include <string>
#include <vector>

#include "core/energy_tables.h"
#include "core/language.h"
#include "core/views.h"
#include "graphs/drawing_surface.h"
#include "graphs/text_measures.h"

namespace tervolin {

// A point of the diagram in units of the unit circle, x to the right, y upward.
struct PolarPoint {
  double x;
  double y;
};

// The radii of the value circles and the step of the marked angles 0°, 30°, …, 180°.
inline constexpr double kPolarCircles[] = {0.25, 0.5, 0.75, 1.0};
inline constexpr int kPolarAngleStep = 30;

// The point of `value` at θ degrees, above the axis or mirrored below it.
PolarPoint PolarPointAt(double value, double degrees, bool below = false);

// A curve's closed outline: θ = 1° … 180° above the axis, then 180° … 1° below.
std::vector<PolarPoint> PolarOutline(const AngleTable& values);

// Where the diagram lies on a picture of width × height pixels (y downward): the
// centre and the unit circle's radius, with `margin` pixels around the circle
// for the angle labels.
struct PolarFrame {
  double centreX;
  double centreY;
  double radius;
  // The pixel position of a diagram point.
  double PixelX(const PolarPoint& p) const { return centreX + radius * p.x; }
  double PixelY(const PolarPoint& p) const { return centreY - radius * p.y; }
};

PolarFrame FitPolarFrame(double width, double height, double margin);

// One curve of the diagram: the values at θ = 1° … 180° (largest 1), drawn 2 pixels
// wide in its style (kDashed for a free-electron curve).
struct PolarCurve {
  AngleTable values{};
  Rgb colour;
  std::string label;
  LineStyle style = LineStyle::kSolid;
};

// Where the diagram lies on a picture of width × height pixels with a caption line
// above it and one legend row per curve below it.
PolarFrame PolarDiagramFrame(double width, double height, std::size_t curves);

// The caption over the diagram of the curves in the views: per angle or per solid
// angle.
std::string PolarCaption(const ViewSet& views, Language language);

// The whole picture on a surface whose user units are pixels: the caption, the value
// circles and marked angles, the incoming beam (named in `language`), the curves
// and their legend.
void DrawPolarDiagram(DrawingSurface& surface, double width, double height, const std::string& caption,
                      const std::vector<PolarCurve>& curves, const TextMeasures& text, Language language);

}  // namespace tervolin
