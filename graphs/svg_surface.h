#pragma once
// A drawing surface that writes an SVG picture: the graph's user coordinates laid
// on an area of logical pixels as on the screens, lines and boxes as SVG lines and
// rectangles, text as text. Each curve the graph remembers becomes one polyline,
// its points in drawing order (a dashed curve one path of its dashes); nothing else
// is drawn as a polyline or path.

#include <string>
#include <vector>

#include "graphs/curve_memory.h"
#include "graphs/drawing_surface.h"
#include "graphs/user_coordinates.h"

namespace tervolin {

// The surface font: family list as CSS names it, size in pixels, weight.
struct SvgFont {
  std::string family;
  double pixels;
  bool bold = false;
  double stretch = 1.0;  // the glyphs' width against the font's own (a condensed screen font)
};

// Something drawn beside a picture: the picture widened to width × height pixels,
// and `svg` drawn over it in those pixels.
struct SvgAside {
  int width = 0, height = 0;
  std::string svg;
};

class SvgSurface : public DrawingSurface {
 public:
  SvgSurface(const UserScale& scale, int pixelWidth, int pixelHeight, SvgFont font);
  void SetFont(SvgFont font) { font_ = std::move(font); }

  // The whole picture drawn since the last Cls, as a standalone SVG document.
  std::string Document(const SvgAside& aside = {}) const;
  // The same without the XML declaration, to be placed inside a page.
  std::string Picture(const SvgAside& aside = {}) const;
  // The drawn elements alone, one per line.
  std::string Elements() const;

  void Cls() override;
  void DrawWidth(int pixels) override { width_ = pixels; }
  void Line(float x1, float y1, float x2, float y2, Rgb colour) override;
  void LineTo(float x2, float y2, Rgb colour) override;
  void Box(float x1, float y1, float x2, float y2, Rgb colour) override;
  void FillBox(float x1, float y1, float x2, float y2, Rgb colour) override;
  void PSet(float x, float y, Rgb colour) override;
  void Print(float x, float y, const std::string& utf8Text) override;
  void TextScale(double factor) override { textScale_ = factor; }
  void TextColour(Rgb colour) override { textColour_ = colour; }
  void StrokeStyle(LineStyle style) override { style_ = style; }
  CurveMemory& Curves() override;

 private:
  struct Point {
    double x, y;  // logical pixels
  };
  // One straight piece drawn by Line or LineTo, kept until it is known whether it
  // belongs to a curve.
  struct Segment {
    Point from, to;
    Rgb colour;
    int width;
    LineStyle style;
  };
  // Drawn elements in order: finished SVG text, or a run of segments of one colour.
  struct Element {
    std::string svg;
    std::vector<Segment> run;
    bool curve = false;
  };

  Point At(float x, float y) const;
  void Add(std::string svg);
  void AddSegment(Point from, Point to, Rgb colour);
  void MarkRememberedCurves();
  std::string Rectangle(float x1, float y1, float x2, float y2, const std::string& paint) const;
  std::string ElementSvg(const Element& element, bool curve) const;
  std::string LinesSvg(const Element& element) const;
  std::string CurveSvg(const Element& element) const;

  UserScale scale_;
  int pixelWidth_, pixelHeight_;
  SvgFont font_;
  int width_ = 1;
  double textScale_ = 1.0;
  Rgb textColour_ = kBlack;
  LineStyle style_ = LineStyle::kSolid;
  Point current_{0.0, 0.0};
  std::vector<Element> elements_;
  CurveMemory curves_;
  std::size_t curvesMarked_ = 0;
};

}  // namespace tervolin
