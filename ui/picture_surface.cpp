#include "ui/picture_surface.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPalette>
#include <algorithm>

namespace tervolin::ui {

namespace {

// The classic sunken 3-D edge: two rings of one logical pixel, shadowed at the top
// and left, lit at the bottom and right.
void DrawSunkenBorder(QPainter& painter, const QRect& outer, const QPalette& palette) {
  const auto ring = [&painter](const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
    painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), topLeft);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), topLeft);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
  };
  ring(outer, palette.color(QPalette::Dark), palette.color(QPalette::Light));
  ring(outer.adjusted(1, 1, -1, -1), palette.color(QPalette::Shadow),
       palette.color(QPalette::Midlight));
}

}  // namespace

PictureSurface::PictureSurface(const tervolin::UserScale& scale, QSize innerSize, QWidget* parent)
    : PictureSurface(scale, innerSize, parent, 0.0) {}

PictureSurface::PictureSurface(const tervolin::UserScale& scale, QSize innerSize, qreal ratio)
    : PictureSurface(scale, innerSize, nullptr, ratio) {}

PictureSurface::PictureSurface(const tervolin::UserScale& scale, QSize innerSize, QWidget* parent, qreal ratio)
    : QWidget(parent),
      scale_(scale),
      innerSize_(innerSize),
      baseRatio_(ratio > 0 ? ratio : devicePixelRatioF()),
      ratio_(baseRatio_),
      font_(font()) {
  setFixedSize(sizeHint());
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureSurface::SetSurfaceFont(const QFont& font) {
  font_ = font;
  image_ = QImage();
  update();
}

void PictureSurface::CatchUp() const {
  const bool added = !image_.isNull() && paintedClearings_ == drawing_.Clearings() && painted_ <= Operations().size();
  if (added && painted_ == Operations().size()) return;
  if (!added) {
    image_ = PaintedImage({}, Area(), ratio_);
    image_.setDevicePixelRatio(1.0);  // kept in device pixels, as painted
  }
  QPainter painter(&image_);
  PaintDrawing(painter, Operations(), Area(), {{0, 0}, ratio_}, added ? painted_ : 0);
  painter.end();
  paintedClearings_ = drawing_.Clearings();
  painted_ = Operations().size();
}

QImage PictureSurface::RetainedImage() const {
  CatchUp();
  QImage copy = image_;
  copy.setDevicePixelRatio(ratio_);
  return copy;
}

QImage PictureSurface::ImageAt(qreal ratio) const { return PaintedImage(Operations(), Area(), ratio); }

QSize PictureSurface::sizeHint() const {
  const QSize zoomed = (QSizeF(innerSize_) * zoom_).toSize();
  return zoomed + QSize(2 * kBorder, 2 * kBorder);
}

void PictureSurface::SetZoom(qreal zoom) {
  zoom = std::max<qreal>(1.0, zoom);
  if (qFuzzyCompare(zoom, zoom_)) return;
  zoom_ = zoom;
  ratio_ = baseRatio_ * zoom_;
  image_ = QImage();
  setFixedSize(sizeHint());
  update();
}

void PictureSurface::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  DrawSunkenBorder(painter, rect(), palette());
  painter.setClipRegion(event->region());
  // Moved to a screen of another pixel ratio, the image is scaled to fit.
  painter.setRenderHint(QPainter::SmoothPixmapTransform, !qFuzzyCompare(devicePixelRatioF() * zoom_, ratio_));
  painter.drawImage(QRectF(QPointF(kBorder, kBorder), QSizeF(innerSize_) * zoom_), overlay_ ? ShownImage() : RetainedImage());
}

void PictureSurface::SetOverlay(std::function<void(QPainter&, qreal)> paintOverlay) {
  overlay_ = std::move(paintOverlay);
  update();
}

QImage PictureSurface::ShownImage() const {
  CatchUp();
  QImage shown = image_;
  if (overlay_) {
    QPainter painter(&shown);  // in device pixels: the image is kept so
    painter.setClipRect(shown.rect());
    overlay_(painter, ratio_);
  }
  shown.setDevicePixelRatio(ratio_);
  return shown;
}

QPointF PictureSurface::ToLogicalPixel(double x, double y) const {
  const tervolin::PixelPoint p = tervolin::UserToPixel(scale_, innerSize_.width(), innerSize_.height(), x, y);
  return QPointF(p.x, p.y);
}

QPointF PictureSurface::UserPointAt(QPointF widgetPosition) const {
  const QPointF inner = InnerPosition(widgetPosition);
  return QPointF(scale_.left + inner.x() * scale_.width / innerSize_.width(),
                 scale_.top + inner.y() * scale_.height / innerSize_.height());
}

// The meta-object code lives with this file, so a program that uses only the
// surface does not pull in every screen of the library.
#include "moc_picture_surface.cpp"

}  // namespace tervolin::ui
