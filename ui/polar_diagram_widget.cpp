#include "ui/polar_diagram_widget.h"

#include <QPainter>

#include "graphs/display_list.h"
#include "graphs/svg_surface.h"
#include "ui/drawing_replay.h"
#include "ui/fonts.h"
#include "ui/graph_zoom.h"
#include "ui/qt_drawing.h"
#include "ui/qt_text.h"
#include "ui/widget_picture.h"

namespace tervolin::ui {

namespace {

// As on the angular graph: the free-electron curves dashed, a repeated colour in
// the next line style.
std::vector<tervolin::PolarCurve> DiagramCurves(const std::vector<PolarCurve>& curves) {
  std::vector<tervolin::PolarCurve> drawn;
  for (const PolarCurve& c : curves) {
    drawn.push_back({c.values, ToRgb(c.colour), c.label.toStdString(), c.style});
  }
  return drawn;
}

}  // namespace

PolarDiagramWidget::PolarDiagramWidget(QWidget* parent) : QWidget(parent) {
  setFont(ScreenFont(Utf8("メイリオ"), 9));
  setMinimumSize(320, 380);
}

void PolarDiagramWidget::SetCurves(std::vector<PolarCurve> curves) {
  curves_ = std::move(curves);
  update();
}

void PolarDiagramWidget::SetCaption(const QString& caption) {
  caption_ = caption;
  update();
}

qreal PolarDiagramWidget::Zoom() const { return GraphZoom(sizeHint(), size()); }

QSize PolarDiagramWidget::DrawnSize() const { return (QSizeF(size()) / Zoom()).toSize(); }

tervolin::PolarFrame PolarDiagramWidget::Frame() const {
  const QSize drawn = DrawnSize();
  const tervolin::PolarFrame frame = tervolin::PolarDiagramFrame(drawn.width(), drawn.height(), curves_.size());
  const qreal zoom = Zoom();
  return {frame.centreX * zoom, frame.centreY * zoom, frame.radius * zoom};
}

void PolarDiagramWidget::DrawOn(tervolin::DrawingSurface& surface) const {
  const QSize drawn = DrawnSize();
  surface.SetTextLanguage(language_);
  tervolin::DrawPolarDiagram(surface, drawn.width(), drawn.height(), caption_.toStdString(), DiagramCurves(curves_),
                             TextMeasuresOf(font()));
}

QImage PolarDiagramWidget::Picture() const {
  return WidgetPicture(*this, [this](QPainter& painter) { PaintOn(painter); });
}

void PolarDiagramWidget::PaintOn(QPainter& painter) const {
  tervolin::DisplayList picture;
  DrawOn(picture);
  painter.fillRect(rect(), Qt::white);
  painter.save();
  painter.scale(Zoom(), Zoom());
  ReplayDrawing(painter, picture.Operations(), PixelArea(DrawnSize(), font()));
  painter.restore();
}

std::string PolarDiagramWidget::SvgDocument() const {
  const QSize drawn = DrawnSize();
  tervolin::SvgSurface svg({0.0, 0.0, double(drawn.width()), double(drawn.height())}, drawn.width(), drawn.height(),
                           SvgFontOf(font()));
  DrawOn(svg);
  return svg.Document();
}

void PolarDiagramWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintOn(painter);
}

}  // namespace tervolin::ui
