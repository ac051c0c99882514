#pragma once
// A widget's painting as an image at the widget's device pixel ratio, for copying
// and saving what a window shows, or larger for a PNG file.

#include <QImage>
#include <QPainter>
#include <QWidget>

namespace tervolin::ui {

// `paint(painter)` paints the widget as its paintEvent does.
template <typename Paint>
QImage WidgetPicture(const QWidget& widget, Paint paint) {
  const qreal ratio = widget.devicePixelRatioF();
  QImage image(widget.size() * ratio, QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  QPainter painter(&image);
  paint(painter);
  return image;
}

// The painting at `scale` times the widget's size in pixels, whatever the screen:
// a file with that many pixels. At 1 the picture as WidgetPicture gives it.
template <typename Paint>
QImage ScaledWidgetPicture(const QWidget& widget, int scale, Paint paint) {
  if (scale == 1) return WidgetPicture(widget, paint);
  QImage image(widget.size() * scale, QImage::Format_RGB32);
  QPainter painter(&image);
  painter.scale(scale, scale);
  paint(painter);
  return image;
}

}  // namespace tervolin::ui
