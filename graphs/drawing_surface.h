#pragma once
// What the computation needs from a picture area: a retained image with a fixed
// user coordinate system, a current point and a current line width. The display
// list (graphs/display_list.h) records it; the screens, the files and the page
// draw from that. A surface holds no language and no curves: the drawing procedures
// are given the words they print, and the model keeps what its curves are.

#include <cstdint>
#include <string>

namespace tervolin {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};

// How lines are stroked. Curves of one colour on one graph take these in turn, so
// they can be told apart without colour.
// kDashed is a sum drawn over its parts, which show through its gaps, or a
// free-electron curve; further free-electron curves of its colour are kLongDashed
// and kSparseDashed.
enum class LineStyle { kSolid, kDashDot, kDotted, kDashDotDot, kDashed, kLongDashed, kSparseDashed };

// A text placed by its top-left corner, user units.
struct PlacedText {
  const char* text;
  float x;
  float y;
};

class DrawingSurface {
 public:
  virtual ~DrawingSurface() = default;

  // Fills the surface with its background colour; the current point becomes (0, 0).
  virtual void Cls() = 0;
  // Line width in pixels for all following lines, boxes and points.
  virtual void DrawWidth(int pixels) = 0;
  // Straight line from (x1, y1) to (x2, y2); the current point becomes (x2, y2).
  virtual void Line(float x1, float y1, float x2, float y2, Rgb colour) = 0;
  // Straight line from the current point to (x2, y2), which becomes the current point.
  virtual void LineTo(float x2, float y2, Rgb colour) = 0;
  // Outline of the axis-parallel rectangle with corners (x1, y1) and (x2, y2), not filled.
  virtual void Box(float x1, float y1, float x2, float y2, Rgb colour) = 0;
  // The axis-parallel rectangle with corners (x1, y1) and (x2, y2) filled with the
  // colour, without an outline.
  virtual void FillBox(float x1, float y1, float x2, float y2, Rgb colour) = 0;
  // A dot of the current line width at (x, y), which becomes the current point.
  virtual void PSet(float x, float y, Rgb colour) = 0;
  // Text with its top-left corner at (x, y), in the surface font and the text colour.
  virtual void Print(float x, float y, const std::string& utf8Text) = 0;
  // The colour of the text of the following Print calls (black after Cls).
  virtual void TextColour(Rgb colour) = 0;
  // The stroke of the following Line and LineTo calls (solid after Cls).
  virtual void StrokeStyle(LineStyle style) = 0;
  // Size of the text of the following Print calls relative to the surface font
  // (1 restores it).
  virtual void TextScale(double factor) = 0;
  // Whether the text of the following Print calls runs upward, turned a quarter to
  // the left about (x, y), the start of its top edge.
  virtual void TextUpright(bool upright) = 0;
  // Outline of the circle about (x, y) of `radius` user units, in the current line
  // width and stroke.
  virtual void Circle(float x, float y, float radius, Rgb colour) = 0;
  // The triangle with these corners filled with the colour, without an outline.
  virtual void FillTriangle(float x1, float y1, float x2, float y2, float x3, float y3, Rgb colour) = 0;
  // What follows up to EndCurve is one curve of the graph (its dots and lines), so that
  // a picture can keep it as one line.
  virtual void BeginCurve() = 0;
  virtual void EndCurve() = 0;

  template <typename Texts>
  void PrintAll(const Texts& texts) {
    for (const PlacedText& label : texts) Print(label.x, label.y, label.text);
  }
};

}  // namespace tervolin
