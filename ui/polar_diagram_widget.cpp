#include "ui/polar_diagram_widget.h"

#include <QPainter>

#include "graphs/display_list.h"
#include "graphs/svg_surface.h"
#include "ui/drawing_replay.h"
#include "ui/fonts.h"
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

tervolin::PolarFrame PolarDiagramWidget::Frame() const {
  return tervolin::PolarDiagramFrame(width(), height(), curves_.size());
}

void PolarDiagramWidget::DrawOn(tervolin::DrawingSurface& surface) const {
  surface.SetTextLanguage(language_);
  tervolin::DrawPolarDiagram(surface, width(), height(), caption_.toStdString(), DiagramCurves(curves_),
                             TextMeasuresOf(font()));
}

QImage PolarDiagramWidget::Picture() const {
  return WidgetPicture(*this, [this](QPainter& painter) { PaintOn(painter); });
}

void PolarDiagramWidget::PaintOn(QPainter& painter) const {
  tervolin::DisplayList picture;
  DrawOn(picture);
  painter.fillRect(rect(), Qt::white);
  ReplayDrawing(painter, picture.Operations(), PixelArea(size(), font()));
}

std::string PolarDiagramWidget::SvgDocument() const {
  tervolin::SvgSurface svg({0.0, 0.0, double(width()), double(height())}, width(), height(), SvgFontOf(font()));
  DrawOn(svg);
  return svg.Document();
}

void PolarDiagramWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintOn(painter);
}

}  // namespace tervolin::ui
