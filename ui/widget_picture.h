#pragma once
// A widget's painting as an image at the widget's device pixel ratio, for copying
// and saving what a window shows.

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

}  // namespace tervolin::ui
