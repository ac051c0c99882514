#pragma once
// A graph's picture as a list of the drawing operations that made it. A graph is
// drawn on a display list; every picture is made from there: the screen's image, PNG
// at any scale and PDF (one Qt replay, ui/drawing_painter.h), SVG and the page.

#include <cstddef>
#include <string>
#include <vector>

#include "graphs/drawing_surface.h"

namespace tervolin {

enum class DrawingKind {
  kCls, kDrawWidth, kLine, kLineTo, kBox, kFillBox, kPSet, kPrint,
  kTextColour, kStrokeStyle, kTextScale, kTextUpright, kCircle, kFillTriangle, kBeginCurve, kEndCurve,
};

// One operation as received, in user coordinates.
struct DrawingOperation {
  DrawingKind kind;
  // Points: a LineTo keeps the point it started from in (x1, y1); a circle its
  // centre, and its radius in x2; a triangle its three corners.
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0, x3 = 0, y3 = 0;
  Rgb colour{};                         // of a line, box, point, circle or triangle, or the text colour
  int width = 1;                        // DrawWidth; a Cls keeps the width it leaves in force
  LineStyle style = LineStyle::kSolid;  // StrokeStyle
  double scale = 1.0;                   // TextScale; a Cls keeps the scale it leaves in force
  bool upright = false;                 // TextUpright
  std::string text{};                   // Print
};

using DrawingOperations = std::vector<DrawingOperation>;

// The pen and text state that a list's operations set, as a replay of it keeps it.
struct DrawingState {
  int width = 1;  // pixels
  double textScale = 1.0;
  Rgb textColour = kBlack;
  LineStyle style = LineStyle::kSolid;
  bool upright = false;
  // Takes in an operation that sets the state (a Cls resets all but the text's
  // direction) and says so; false for one that draws (or marks a curve).
  bool Take(const DrawingOperation& op);
};

// How many curves (BeginCurve) the operations draw.
std::size_t CurveCount(const DrawingOperations& operations);

class DisplayList : public DrawingSurface {
 public:
  // The operations since the last Cls (which begins them), or since the start.
  const DrawingOperations& Operations() const { return operations_; }
  DrawingOperations OfKind(DrawingKind kind) const;
  // Forgets the operations but not the state (width, text scale).
  void Clear() {
    operations_.clear();
    ++clearings_;
  }
  // How many times the list was cleared (Cls, Clear): a picture of it painted before
  // then is gone; one painted since shows the list's first operations.
  std::size_t Clearings() const { return clearings_; }
  // The current point (user coordinates) and the line width the operations leave.
  float CurrentX() const { return currentX_; }
  float CurrentY() const { return currentY_; }
  int Width() const { return width_; }

  void Cls() override;
  void DrawWidth(int pixels) override;
  void Line(float x1, float y1, float x2, float y2, Rgb colour) override;
  void LineTo(float x2, float y2, Rgb colour) override;
  void Box(float x1, float y1, float x2, float y2, Rgb colour) override;
  void FillBox(float x1, float y1, float x2, float y2, Rgb colour) override;
  void PSet(float x, float y, Rgb colour) override;
  void Print(float x, float y, const std::string& utf8Text) override;
  void TextColour(Rgb colour) override;
  void StrokeStyle(LineStyle style) override;
  void TextScale(double factor) override;
  void TextUpright(bool upright) override;
  void Circle(float x, float y, float radius, Rgb colour) override;
  void FillTriangle(float x1, float y1, float x2, float y2, float x3, float y3, Rgb colour) override;
  void BeginCurve() override;
  void EndCurve() override;

 private:
  void Record(DrawingOperation operation);

  DrawingOperations operations_;
  std::size_t clearings_ = 0;
  int width_ = 1;
  double textScale_ = 1.0;
  float currentX_ = 0, currentY_ = 0;
};

// The operations made again on `target`, in its user coordinates. A Cls sets the
// width and text scale it kept.
void Replay(const DrawingOperations& operations, DrawingSurface& target);

}  // namespace tervolin
