#pragma once
// A drawing surface over a painter whose user units are the painter's own
// (logical pixels), for what the library draws over or beside a graph: its legend.

#include <QFont>
#include <QPainter>
#include <QPointF>

#include "graphs/curve_memory.h"
#include "graphs/drawing_surface.h"

namespace tervolin::ui {

class PainterSurface : public tervolin::DrawingSurface {
 public:
  // Text in `font`; the painter's state is restored when the surface goes.
  PainterSurface(QPainter& painter, const QFont& font);
  ~PainterSurface() override;

  void Cls() override {}
  void DrawWidth(int pixels) override { width_ = pixels; }
  void Line(float x1, float y1, float x2, float y2, tervolin::Rgb colour) override;
  void LineTo(float x2, float y2, tervolin::Rgb colour) override;
  void Box(float x1, float y1, float x2, float y2, tervolin::Rgb colour) override;
  void FillBox(float x1, float y1, float x2, float y2, tervolin::Rgb colour) override;
  void PSet(float x, float y, tervolin::Rgb colour) override;
  void Print(float x, float y, const std::string& utf8Text) override;
  void TextScale(double factor) override { textScale_ = factor; }
  void TextColour(tervolin::Rgb colour) override { textColour_ = colour; }
  void StrokeStyle(tervolin::LineStyle style) override { style_ = style; }
  void TextUpright(bool upright) override { upright_ = upright; }
  void Circle(float x, float y, float radius, tervolin::Rgb colour) override;
  void FillTriangle(float x1, float y1, float x2, float y2, float x3, float y3, tervolin::Rgb colour) override;
  tervolin::CurveMemory& Curves() override { return curves_; }

 private:
  QPen Pen(tervolin::Rgb colour) const;

  QPainter& painter_;
  QFont font_;
  int width_ = 1;
  double textScale_ = 1.0;
  tervolin::Rgb textColour_ = tervolin::kBlack;
  tervolin::LineStyle style_ = tervolin::LineStyle::kSolid;
  bool upright_ = false;
  QPointF current_;
  tervolin::CurveMemory curves_;
};

}  // namespace tervolin::ui
