#pragma once
// A widget's painting as an image at the widget's device pixel ratio, for copying
// and saving what a window shows, or larger for a PNG file.

#include <QImage>
#include <QPainter>
#include <QWidget>

namespace tervolin::ui {

// `paint(painter)` paints the widget as its paintEvent does, in logical pixels, on an
// image of `ratio` pixels to one (the screen's when 0).
template <typename Paint>
QImage WidgetPicture(const QWidget& widget, Paint paint, qreal ratio = 0) {
  if (ratio <= 0) ratio = widget.devicePixelRatioF();
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
  return WidgetPicture(widget, paint, scale == 1 ? 0 : scale);
}

}  // namespace tervolin::ui
