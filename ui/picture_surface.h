#pragma once
// A picture box the computation draws on: a fixed user coordinate system, a white
// retained image that the widget paints from, a current point, a current line width
// and a surface font. Everything drawn is kept, also while the widget is hidden.
//
// The image has the resolution of the screen (device pixels), and lines are laid
// on its pixels: a pen of width w at a point covers the w × w block of whole
// device pixels most nearly centred on it (at ratio 1 and width 1 the pixel that
// contains the point; at width 2 the four pixels around the nearest pixel corner).
// Horizontal and vertical lines, boxes and points are made of such blocks, crisp
// (a 1-pixel grid line fills one column). Sloped lines run antialiased, with round
// ends, between the centres of their end points' blocks, so a curve that ends on a
// line drawn later is covered by it exactly. Text hangs from the logical pixel that
// contains its point.
//
// Besides the image, the surface keeps the graph's display list: the curves drawn
// since the last Cls and the drawing operations received since then, so the graph
// can be drawn again on any painter (vector files) or as SVG; and it may paint an
// overlay (the legend) over the image on screen without changing the image.
//
// In a window larger than its own size the surface may be zoomed: the widget is
// zoom × its own size, and the image is drawn anew from the display list at zoom ×
// the screen's ratio, so lines, texts and the overlay grow as vectors, never blurred.
// Everything else (InnerSize, ToLogicalPixel, the overlay's coordinates) stays in the
// logical pixels of the surface's own size.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "graphs/curve_memory.h"
#include "graphs/drawing_surface.h"
#include "graphs/svg_surface.h"
#include "graphs/user_coordinates.h"

class QPainter;

namespace tervolin::ui {

class PictureSurface : public QWidget, public tervolin::DrawingSurface {
  Q_OBJECT

 public:
  // innerSize: the drawing area in logical pixels; the widget adds a 2-pixel sunken
  // border on each side. The image is kept at the device pixel ratio of the screen
  // the widget starts on and scaled when painted on a screen of another ratio.
  PictureSurface(const tervolin::UserScale& scale, QSize innerSize, QWidget* parent = nullptr);
  // The same with the image at `ratio` device pixels per logical pixel, for pictures
  // larger than the screen's.
  PictureSurface(const tervolin::UserScale& scale, QSize innerSize, qreal ratio);

  void SetSurfaceFont(const QFont& font);
  QFont SurfaceFont() const { return font_; }

  // The drawing itself, innerSize × device pixel ratio pixels, with that ratio set.
  QImage RetainedImage() const;
  // Current point in user coordinates, and the current line width in pixels.
  QPointF CurrentPoint() const { return current_; }
  int LineWidth() const { return lineWidth_; }

  const tervolin::UserScale& Scale() const { return scale_; }
  QSize InnerSize() const { return innerSize_; }
  // User point (x, y) in logical pixels from the inner top-left corner, and back
  // from a position in widget coordinates.
  QPointF ToLogicalPixel(double x, double y) const;
  QPointF UserPointAt(QPointF widgetPosition) const;
  // A position in widget coordinates in logical pixels of the inner area.
  QPointF InnerPosition(QPointF widgetPosition) const { return (widgetPosition - QPointF(kBorder, kBorder)) / zoom_; }
  QPointF WidgetPosition(QPointF innerPosition) const { return innerPosition * zoom_ + QPointF(kBorder, kBorder); }

  // The widget at `zoom` (at least 1) times its own size, the image redrawn to match.
  void SetZoom(qreal zoom);
  qreal Zoom() const { return zoom_; }

  // The same drawing as an SVG picture, by the library's SVG surface.
  const tervolin::SvgSurface& VectorPicture() const { return vector_; }

  // The graph's display list: the operations since the last Cls, which begins it.
  const tervolin::DrawingOperations& Operations() const { return vector_.Operations(); }
  // The retained image drawn anew at `ratio` device pixels per logical pixel.
  QImage ImageAt(qreal ratio) const;

  // Painted over the image in logical pixels of the inner area; an empty function
  // paints nothing.
  void SetOverlay(std::function<void(QPainter&)> paintOverlay);
  // The graph as the user sees it: the retained image with the overlay over it.
  QImage ShownImage() const;

  // tervolin::DrawingSurface
  void Cls() override;
  void DrawWidth(int pixels) override;
  void Line(float x1, float y1, float x2, float y2, tervolin::Rgb colour) override;
  void LineTo(float x2, float y2, tervolin::Rgb colour) override;
  void Box(float x1, float y1, float x2, float y2, tervolin::Rgb colour) override;
  void FillBox(float x1, float y1, float x2, float y2, tervolin::Rgb colour) override;
  void PSet(float x, float y, tervolin::Rgb colour) override;
  // Black text with its top-left corner at (x, y), so its baseline lies one font
  // ascent lower. The current point does not move.
  void Print(float x, float y, const std::string& utf8Text) override;
  void TextColour(tervolin::Rgb colour) override;
  void StrokeStyle(tervolin::LineStyle style) override;
  void TextScale(double factor) override;
  void TextUpright(bool upright) override;
  void Circle(float x, float y, float radius, tervolin::Rgb colour) override;
  void FillTriangle(float x1, float y1, float x2, float y2, float x3, float y3, tervolin::Rgb colour) override;
  tervolin::CurveMemory& Curves() override { return vector_.Curves(); }

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  static constexpr int kBorder = 2;

  PictureSurface(const tervolin::UserScale& scale, QSize innerSize, QWidget* parent, qreal ratio);

  QPointF ToDevicePixel(float x, float y) const;
  int PenPixels() const;
  QRect DotRect(QPointF p) const;
  void Stroke(QPainter& painter, QRect from, QRect to, const QColor& colour) const;
  void StrokeStyled(QPainter& painter, QRect from, QRect to, const QColor& colour);
  void StrokeBetween(float x1, float y1, float x2, float y2, tervolin::Rgb colour);
  void ImageChanged();
  void Antialiased(const std::function<void(QPainter&)>& paint);

  tervolin::UserScale scale_;
  QSize innerSize_;
  qreal baseRatio_;  // device pixels per logical pixel at zoom 1
  qreal zoom_ = 1.0;
  qreal ratio_;   // device pixels per logical pixel of image_: baseRatio_ × zoom_
  QImage image_;  // in device pixels
  QFont font_;
  QPointF current_{0.0, 0.0};
  int lineWidth_ = 1;
  double textScale_ = 1.0;
  tervolin::Rgb textColour_ = tervolin::kBlack;
  tervolin::LineStyle style_ = tervolin::LineStyle::kSolid;
  qreal dashTravelled_ = 0;  // device pixels along the styled line since its start
  bool upright_ = false;
  tervolin::SvgSurface vector_;  // the display list, with the curves
  std::function<void(QPainter&)> overlay_;
};

}  // namespace tervolin::ui
