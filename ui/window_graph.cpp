#include "ui/window_graph.h"

#include <QPainter>

#include "graphs/svg_surface.h"
#include "ui/drawing_painter.h"
#include "ui/fonts.h"
#include "ui/graph_zoom.h"
#include "ui/qt_text.h"

namespace tervolin::ui {

WindowGraph::WindowGraph(QSize own, QSize least, QWidget* parent) : QWidget(parent), own_(own) {
  setFont(ScreenFont(Utf8("メイリオ"), 9));
  setMinimumSize(least);
}

void WindowGraph::SetDrawing(Drawing drawing) {
  drawing_ = std::move(drawing);
  update();
}

qreal WindowGraph::Zoom() const { return GraphZoom(sizeHint(), size()); }

QSize WindowGraph::DrawnSize() const { return (QSizeF(size()) / Zoom()).toSize(); }

tervolin::DrawingOperations WindowGraph::Operations() const {
  tervolin::DisplayList list;
  if (drawing_) drawing_(list, DrawnSize(), TextMeasuresOf(font()));
  return list.Operations();
}

QImage WindowGraph::Picture(qreal ratio) const {
  if (ratio <= 0) ratio = devicePixelRatioF();
  QImage image = PaintedImage(Operations(), PixelArea(DrawnSize(), font()), ratio * Zoom());
  image.setDevicePixelRatio(ratio);
  return image;
}

void WindowGraph::PaintOn(QPainter& painter) const {
  painter.fillRect(rect(), Qt::white);
  PaintDrawing(painter, Operations(), PixelArea(DrawnSize(), font()), {{0, 0}, Zoom()});
}

std::string WindowGraph::SvgDocument() const {
  const QSize drawn = DrawnSize();
  tervolin::SvgSurface svg({0.0, 0.0, double(drawn.width()), double(drawn.height())}, drawn.width(), drawn.height(),
                           SvgFontOf(font()));
  tervolin::Replay(Operations(), svg);
  return svg.Document();
}

void WindowGraph::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(rect(), Picture());
}

}  // namespace tervolin::ui
