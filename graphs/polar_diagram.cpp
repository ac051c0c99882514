#include "graphs/polar_diagram.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/text_catalogue.h"
#include "core/number_text.h"

namespace tervolin {

// The diagram is a picture, not a calculation: its angles are drawn with full π.
PolarPoint PolarPointAt(double value, double degrees, bool below) {
  const double theta = degrees / 180.0 * std::numbers::pi;
  const double y = value * std::sin(theta);
  return {value * std::cos(theta), below ? -y : y};
}

std::vector<PolarPoint> PolarOutline(const AngleTable& values) {
  std::vector<PolarPoint> outline;
  outline.reserve(2 * kAngles);
  for (int j = 1; j <= kAngles; ++j) outline.push_back(PolarPointAt(values[j], j));
  for (int j = kAngles; j >= 1; --j) outline.push_back(PolarPointAt(values[j], j, true));
  return outline;
}

PolarFrame FitPolarFrame(double width, double height, double margin) {
  const double radius = std::max(1.0, std::min(width, height) / 2.0 - margin);
  return {width / 2.0, height / 2.0, radius};
}

namespace {

constexpr double kMargin = 64;  // around the unit circle, for the angle labels and the beam
constexpr double kCaptionHeight = 22;
constexpr double kLegendRow = 20;
constexpr Rgb kScaleGrey{170, 170, 170};
constexpr Rgb kBeamGrey{90, 90, 90};

double LegendHeight(std::size_t curves) { return curves * kLegendRow + (curves == 0 ? 0 : 8); }

// A text centred on (x, y).
void PrintCentred(DrawingSurface& surface, const TextMeasures& text, double x, double y, const std::string& utf8) {
  surface.Print(static_cast<float>(x - text.width(utf8) / 2), static_cast<float>(y - text.height / 2), utf8);
}

void PrintAt(DrawingSurface& surface, double x, double y, const std::string& utf8) {
  surface.Print(static_cast<float>(x), static_cast<float>(y), utf8);
}

void LineBetween(DrawingSurface& surface, double x1, double y1, double x2, double y2, Rgb colour) {
  surface.Line(static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2), static_cast<float>(y2), colour);
}

// The value circles with their values along the upward radius, and the marked
// angles as dotted spokes labelled outside the unit circle above the axis.
void DrawScale(DrawingSurface& surface, const PolarFrame& frame, const TextMeasures& text) {
  surface.DrawWidth(1);
  surface.TextColour(kScaleGrey);
  for (const double r : kPolarCircles) {
    surface.Circle(static_cast<float>(frame.centreX), static_cast<float>(frame.centreY),
                   static_cast<float>(frame.radius * r), kScaleGrey);
    const PolarPoint top = PolarPointAt(r, 90.0);
    PrintAt(surface, frame.PixelX(top) + 3, frame.PixelY(top) + 12 - text.ascent, ShortestText(r));
  }
  surface.TextColour(kBlack);
  for (int degrees = 0; degrees <= 180; degrees += kPolarAngleStep) {
    surface.StrokeStyle(LineStyle::kDotted);
    for (const bool below : {false, true}) {
      const PolarPoint end = PolarPointAt(1.0, degrees, below);
      LineBetween(surface, frame.centreX, frame.centreY, frame.PixelX(end), frame.PixelY(end), kScaleGrey);
    }
    surface.StrokeStyle(LineStyle::kSolid);
    const PolarPoint label = PolarPointAt(1.0 + 22.0 / frame.radius, degrees);
    const double above = degrees % 180 == 0 ? 10 : 0;  // above the axis and the beam
    PrintCentred(surface, text, frame.PixelX(label), frame.PixelY(label) - above, std::to_string(degrees) + "°");
  }
}

// The incoming beam: an arrow from the left edge to the scatterer at the centre.
void DrawBeam(DrawingSurface& surface, const PolarFrame& frame, const TextMeasures& text, Language language) {
  const auto tipX = static_cast<float>(frame.centreX - 4), y = static_cast<float>(frame.centreY);
  surface.DrawWidth(2);
  surface.Line(4, y, tipX, y, kBeamGrey);
  surface.FillTriangle(tipX, y, tipX - 10, y - 4, tipX - 10, y + 4, kBeamGrey);
  surface.Line(tipX, y, tipX - 10, y - 4, kBeamGrey);
  surface.LineTo(tipX - 10, y + 4, kBeamGrey);
  surface.LineTo(tipX, y, kBeamGrey);
  PrintAt(surface, 6, frame.centreY + 18 - text.ascent, TextOf(TextId::kIncidentXrays, language));
}

// A curve's closed outline.
void DrawCurve(DrawingSurface& surface, const PolarFrame& frame, const PolarCurve& curve) {
  const std::vector<PolarPoint> outline = PolarOutline(curve.values);
  surface.StrokeStyle(curve.style);
  surface.BeginCurve();
  surface.PSet(static_cast<float>(frame.PixelX(outline.front())), static_cast<float>(frame.PixelY(outline.front())),
               curve.colour);
  for (std::size_t i = 1; i <= outline.size(); ++i) {
    const PolarPoint& p = outline[i % outline.size()];
    surface.LineTo(static_cast<float>(frame.PixelX(p)), static_cast<float>(frame.PixelY(p)), curve.colour);
  }
  surface.EndCurve();
  surface.StrokeStyle(LineStyle::kSolid);
}

// One row per curve under the diagram: a short line in its colour and its label.
void DrawLegend(DrawingSurface& surface, double height, const std::vector<PolarCurve>& curves,
                const TextMeasures& text) {
  double y = height - LegendHeight(curves.size()) + 4;
  for (const PolarCurve& curve : curves) {
    surface.StrokeStyle(curve.style);
    LineBetween(surface, 12, y + kLegendRow / 2, 48, y + kLegendRow / 2, curve.colour);
    surface.StrokeStyle(LineStyle::kSolid);
    PrintAt(surface, 56, y + (kLegendRow - text.height) / 2, curve.label);
    y += kLegendRow;
  }
}

}  // namespace

PolarFrame PolarDiagramFrame(double width, double height, std::size_t curves) {
  const double diagramHeight = std::max(1.0, height - kCaptionHeight - LegendHeight(curves));
  PolarFrame frame = FitPolarFrame(width, diagramHeight, kMargin);
  frame.centreY += kCaptionHeight;
  return frame;
}

void DrawPolarDiagram(DrawingSurface& surface, double width, double height, const std::string& caption,
                      const std::vector<PolarCurve>& curves, const TextMeasures& text, Language language) {
  surface.Cls();
  PrintAt(surface, 8, 4 + (kCaptionHeight - 4 - text.height) / 2, caption);
  const PolarFrame frame = PolarDiagramFrame(width, height, curves.size());
  DrawScale(surface, frame, text);
  DrawBeam(surface, frame, text, language);
  for (const PolarCurve& curve : curves) DrawCurve(surface, frame, curve);
  surface.DrawWidth(2);
  DrawLegend(surface, height, curves, text);
}

std::string PolarCaption(const ViewSet& views, Language language) {
  return TextOf(views.Has(View::kPerSolidAngle) ? TextId::kPolarCaptionPerSolidAngle : TextId::kPolarCaption, language);
}

}  // namespace tervolin
