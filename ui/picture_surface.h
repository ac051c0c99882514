#pragma once
// A picture box that shows what the model drew for it: its display list (Drawing(),
// in a fixed user coordinate system), painted by the one Qt replay
// (ui/drawing_painter.h) in the surface font onto a white retained image that the
// widget shows. The image is painted when it is shown or asked for, with only what the
// list added since when the list only added to it. Everything drawn is kept, also
// while the widget is hidden. The surface keeps no curves and no language: the model
// says what its curves are.
//
// It may paint an overlay (the legend) over the image on screen without changing the
// image. In a window larger than its own size the surface may be zoomed: the widget
// is zoom × its own size, and the image is painted anew at zoom × the screen's ratio,
// so lines, texts and the overlay grow as vectors, never blurred. Everything else
// (InnerSize, ToLogicalPixel, the overlay's coordinates) stays in the logical pixels
// of the surface's own size.

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

#include "graphs/display_list.h"
#include "graphs/user_coordinates.h"
#include "ui/drawing_painter.h"

class QPainter;

namespace tervolin::ui {

class PictureSurface : public QWidget {
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

  // What the surface shows, drawn by the model; the widget is to be updated after.
  tervolin::DisplayList& Drawing() { return drawing_; }
  // The drawing itself, innerSize × device pixel ratio pixels, with that ratio set.
  QImage RetainedImage() const;

  const tervolin::UserScale& Scale() const { return scale_; }
  QSize InnerSize() const { return innerSize_; }
  // Where the drawing is painted: its user scale on the inner size, in the surface font.
  PaintedArea Area() const { return {scale_, innerSize_, font_}; }
  // User point (x, y) in logical pixels from the inner top-left corner, and back
  // from a position in widget coordinates.
  QPointF ToLogicalPixel(double x, double y) const;
  QPointF UserPointAt(QPointF widgetPosition) const;
  // A position in widget coordinates in logical pixels of the inner area.
  QPointF InnerPosition(QPointF widgetPosition) const { return (widgetPosition - QPointF(kBorder, kBorder)) / zoom_; }
  QPointF WidgetPosition(QPointF innerPosition) const { return innerPosition * zoom_ + QPointF(kBorder, kBorder); }

  // The widget at `zoom` (at least 1) times its own size, the image painted anew.
  void SetZoom(qreal zoom);
  qreal Zoom() const { return zoom_; }

  // The graph's display list: the operations since the last Cls, which begins it.
  const tervolin::DrawingOperations& Operations() const { return drawing_.Operations(); }
  // The drawing painted anew at `ratio` device pixels per logical pixel.
  QImage ImageAt(qreal ratio) const;

  // Painted over the image by the one replay (the painter in device pixels, `ratio`
  // of them to a logical pixel of the inner area); an empty function paints nothing.
  void SetOverlay(std::function<void(QPainter&, qreal ratio)> paintOverlay);
  // The graph as the user sees it: the retained image with the overlay over it.
  QImage ShownImage() const;

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  static constexpr int kBorder = 2;

  PictureSurface(const tervolin::UserScale& scale, QSize innerSize, QWidget* parent, qreal ratio);

  // The retained image brought up to the display list.
  void CatchUp() const;

  tervolin::UserScale scale_;
  QSize innerSize_;
  qreal baseRatio_;  // device pixels per logical pixel at zoom 1
  qreal zoom_ = 1.0;
  qreal ratio_;  // device pixels per logical pixel of image_: baseRatio_ × zoom_
  QFont font_;
  tervolin::DisplayList drawing_;
  mutable QImage image_;  // in device pixels
  // What image_ shows: the list's first operations, since its clearing of this count.
  mutable std::size_t paintedClearings_ = 0, painted_ = 0;
  std::function<void(QPainter&, qreal)> overlay_;
};

}  // namespace tervolin::ui
