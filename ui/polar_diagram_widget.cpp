#include "ui/polar_diagram_widget.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>

#include "ui/fonts.h"
#include "ui/qt_text.h"
#include "ui/qt_drawing.h"
#include "ui/widget_picture.h"

namespace tervolin::ui {

namespace {

// As on the angular graph: the free-electron curves dashed, a repeated colour in
// the next line style.
QPen CurvePen(const PolarCurve& curve) {
  if (curve.dashed) return QPen(curve.colour, 2, Qt::DashLine, Qt::FlatCap);
  return StyledPen(curve.colour, 2, curve.style, Qt::FlatCap);
}


const QColor kScaleGrey(170, 170, 170);
const QColor kBeamGrey(90, 90, 90);

QPointF ToPixel(const tervolin::PolarFrame& frame, const tervolin::PolarPoint& p) {
  return {frame.PixelX(p), frame.PixelY(p)};
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

int PolarDiagramWidget::LegendHeight() const {
  return static_cast<int>(curves_.size()) * kLegendRow + (curves_.empty() ? 0 : 8);
}

tervolin::PolarFrame PolarDiagramWidget::Frame() const {
  const double diagramHeight = std::max(1, height() - kCaptionHeight - LegendHeight());
  tervolin::PolarFrame frame = tervolin::FitPolarFrame(width(), diagramHeight, kMargin);
  frame.centreY += kCaptionHeight;
  return frame;
}

QImage PolarDiagramWidget::Picture() const {
  return WidgetPicture(*this, [this](QPainter& painter) { Paint(painter); });
}

void PolarDiagramWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  Paint(painter);
}

void PolarDiagramWidget::Paint(QPainter& painter) const {
  painter.fillRect(rect(), Qt::white);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setFont(font());
  painter.setPen(Qt::black);
  painter.drawText(QRect(8, 4, width() - 16, kCaptionHeight - 4), Qt::AlignLeft | Qt::AlignVCenter, caption_);
  const tervolin::PolarFrame frame = Frame();
  PaintScale(painter, frame);
  PaintBeam(painter, frame);
  for (const PolarCurve& curve : curves_) PaintCurve(painter, frame, curve);
  PaintLegend(painter);
}

// The value circles with their values along the upward radius, and the marked
// angles as spokes labelled outside the unit circle above the axis.
void PolarDiagramWidget::PaintScale(QPainter& painter, const tervolin::PolarFrame& frame) const {
  const QPointF centre(frame.centreX, frame.centreY);
  painter.setPen(QPen(kScaleGrey, 1));
  for (double r : tervolin::kPolarCircles) {
    painter.drawEllipse(centre, frame.radius * r, frame.radius * r);
    const QPointF at = ToPixel(frame, tervolin::PolarPointAt(r, 90.0));
    painter.drawText(at + QPointF(3, 12), QString::number(r));
  }
  for (int degrees = 0; degrees <= 180; degrees += tervolin::kPolarAngleStep) {
    painter.setPen(QPen(kScaleGrey, 1, Qt::DotLine));
    painter.drawLine(centre, ToPixel(frame, tervolin::PolarPointAt(1.0, degrees)));
    painter.drawLine(centre, ToPixel(frame, tervolin::PolarPointAt(1.0, degrees, true)));
    QPointF label = ToPixel(frame, tervolin::PolarPointAt(1.0 + 22.0 / frame.radius, degrees));
    if (degrees % 180 == 0) label.ry() -= 10;  // above the axis and the beam
    painter.setPen(Qt::black);
    painter.drawText(QRectF(label - QPointF(20, 9), QSizeF(40, 18)), Qt::AlignCenter,
                     QString::number(degrees) + Utf8("°"));
  }
}

// The incoming beam: an arrow from the left edge to the scatterer at the centre.
void PolarDiagramWidget::PaintBeam(QPainter& painter, const tervolin::PolarFrame& frame) const {
  const QPointF tip(frame.centreX - 4, frame.centreY);
  const QPointF tail(4, frame.centreY);
  painter.setPen(QPen(kBeamGrey, 2));
  painter.drawLine(tail, tip);
  painter.setBrush(kBeamGrey);
  painter.drawPolygon(QPolygonF({tip, tip + QPointF(-10, -4), tip + QPointF(-10, 4)}));
  painter.setBrush(Qt::NoBrush);
  painter.setPen(Qt::black);
  painter.drawText(QPointF(6, frame.centreY + 18), Utf8("入射X線"));
}

void PolarDiagramWidget::PaintCurve(QPainter& painter, const tervolin::PolarFrame& frame,
                                    const PolarCurve& curve) const {
  QPolygonF outline;
  for (const tervolin::PolarPoint& p : tervolin::PolarOutline(curve.values)) outline << ToPixel(frame, p);
  painter.setPen(CurvePen(curve));
  painter.drawPolygon(outline);
}

// One row per curve under the diagram: a short line in its colour and its label.
void PolarDiagramWidget::PaintLegend(QPainter& painter) const {
  int y = height() - LegendHeight() + 4;
  for (const PolarCurve& curve : curves_) {
    painter.setPen(CurvePen(curve));
    painter.drawLine(QPointF(12, y + kLegendRow / 2.0), QPointF(48, y + kLegendRow / 2.0));
    painter.setPen(Qt::black);
    painter.drawText(QRect(56, y, width() - 64, kLegendRow), Qt::AlignLeft | Qt::AlignVCenter, curve.label);
    y += kLegendRow;
  }
}

}  // namespace tervolin::ui
