#include "ui/magnitude_graph.h"

#include <QFontMetricsF>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPolygonF>
#include <QToolTip>
#include <algorithm>
#include <limits>

#include "ui/fonts.h"
#include "ui/qt_text.h"
#include "ui/widget_picture.h"

namespace tervolin::ui {

namespace {

// Room around the frame for the caption and legend, tick labels and axis titles.
constexpr qreal kLeft = 86, kTop = 52, kRight = 20, kBottom = 54;
constexpr int kAngleTickStep = 30;  // degrees between labelled angles
constexpr int kAngleGridStep = 10;
constexpr qreal kLegendSample = 24;  // the short line in a curve's colour
const QColor kGridGrey(200, 200, 200);


tervolin::ValueAxis AxisFor(const MagnitudePlot& plot) {
  double largest = 0.0, smallest = std::numeric_limits<double>::infinity();
  for (const MagnitudeCurve& curve : plot.curves) {
    for (int j = 1; j <= tervolin::kAngles; ++j) {
      largest = std::max(largest, curve.values[j]);
      if (curve.values[j] > 0.0) smallest = std::min(smallest, curve.values[j]);
    }
  }
  return plot.logarithmic ? tervolin::LogarithmicValueAxis(smallest, largest) : tervolin::LinearValueAxis(largest);
}

// A grey line, leaving the pen black for the labels.
void PaintGridLine(QPainter& painter, QPointF from, QPointF to) {
  painter.setPen(kGridGrey);
  painter.drawLine(from, to);
  painter.setPen(Qt::black);
}

QPen CurvePen(const MagnitudeCurve& curve) {
  return QPen(curve.colour, 2, curve.dashed ? Qt::DashLine : Qt::SolidLine, Qt::FlatCap);
}

}  // namespace

QPointF PlotMapping::At(double degrees, double value) const {
  return {frame.left() + frame.width() * degrees / 180.0,
          frame.bottom() - frame.height() * tervolin::AxisFraction(axis, value)};
}

double PlotMapping::DegreesAt(double x) const { return (x - frame.left()) / frame.width() * 180.0; }

MagnitudeGraph::MagnitudeGraph(QWidget* parent) : QWidget(parent) {
  setFont(ScreenFont(Utf8("メイリオ"), 9));
  setMinimumSize(440, 320);
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
}

void MagnitudeGraph::SetPlot(MagnitudePlot plot) {
  plot_ = std::move(plot);
  update();
}

PlotMapping MagnitudeGraph::Mapping() const {
  const QRectF frame(kLeft, kTop, std::max(1.0, width() - kLeft - kRight), std::max(1.0, height() - kTop - kBottom));
  return {frame, AxisFor(plot_)};
}

QImage MagnitudeGraph::Picture() const {
  return WidgetPicture(*this, [this](QPainter& painter) { Paint(painter); });
}

void MagnitudeGraph::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  Paint(painter);
}

void MagnitudeGraph::Paint(QPainter& painter) const {
  const PlotMapping map = Mapping();
  painter.fillRect(rect(), Qt::white);
  painter.setFont(font());
  PaintGrid(painter, map);
  PaintCurves(painter, map);
  painter.setPen(QPen(Qt::black, 1.5));
  painter.drawRect(map.frame);
  PaintTitles(painter, map);
  PaintLegend(painter, map);
}

// Grid lines every 10° and at each value tick, with the angles every 30° and the
// tick values labelled outside the frame.
void MagnitudeGraph::PaintGrid(QPainter& painter, const PlotMapping& map) const {
  const qreal lineHeight = QFontMetricsF(font()).height();
  for (int degrees = 0; degrees <= 180; degrees += kAngleGridStep) {
    const qreal x = map.At(degrees, map.axis.low).x();
    PaintGridLine(painter, QPointF(x, map.frame.top()), QPointF(x, map.frame.bottom()));
    if (degrees % kAngleTickStep != 0) continue;
    painter.drawText(QRectF(x - 20, map.frame.bottom() + 3, 40, lineHeight), Qt::AlignCenter, QString::number(degrees));
  }
  for (const double tick : map.axis.ticks) {
    const qreal y = map.At(0, tick).y();
    PaintGridLine(painter, QPointF(map.frame.left(), y), QPointF(map.frame.right(), y));
    painter.drawText(QRectF(0, y - lineHeight / 2, map.frame.left() - 5, lineHeight), Qt::AlignRight | Qt::AlignVCenter,
                     QString::fromStdString(tervolin::TickText(map.axis, tick)));
  }
}

// The caption above the frame, the angle's title under it, the value's title upright
// at its left.
void MagnitudeGraph::PaintTitles(QPainter& painter, const PlotMapping& map) const {
  const QFontMetricsF metrics(font());
  painter.setPen(Qt::black);
  painter.drawText(QPointF(map.frame.left(), metrics.ascent() + 6), plot_.caption);
  painter.drawText(QRectF(map.frame.left(), map.frame.bottom() + 4 + metrics.height(), map.frame.width(), metrics.height()),
                   Qt::AlignCenter, Utf8("散乱角度 θ (deg)"));
  painter.save();
  painter.translate(8 + metrics.ascent(), map.frame.center().y());
  painter.rotate(-90);
  painter.drawText(QRectF(-map.frame.height() / 2, -metrics.ascent(), map.frame.height(), metrics.height()),
                   Qt::AlignCenter, plot_.valueTitle);
  painter.restore();
}

// Each curve from 1° to 180° inside the frame.
void MagnitudeGraph::PaintCurves(QPainter& painter, const PlotMapping& map) const {
  painter.save();
  painter.setClipRect(map.frame);
  painter.setRenderHint(QPainter::Antialiasing);
  for (const MagnitudeCurve& curve : plot_.curves) {
    QPolygonF line;
    for (int j = 1; j <= tervolin::kAngles; ++j) line << map.At(j, curve.values[j]);
    painter.setPen(CurvePen(curve));
    painter.drawPolyline(line);
  }
  painter.restore();
}

// One entry per curve, right-aligned in the line between the caption and the frame.
void MagnitudeGraph::PaintLegend(QPainter& painter, const PlotMapping& map) const {
  const QFontMetricsF metrics(font());
  const qreal middle = map.frame.top() - metrics.height() / 2 - 4;
  qreal right = map.frame.right();
  for (auto curve = plot_.curves.rbegin(); curve != plot_.curves.rend(); ++curve) {
    const qreal textLeft = right - metrics.horizontalAdvance(curve->title);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(textLeft, middle - metrics.height() / 2 + metrics.ascent()), curve->title);
    painter.setPen(CurvePen(*curve));
    painter.drawLine(QPointF(textLeft - 6 - kLegendSample, middle), QPointF(textLeft - 6, middle));
    right = textLeft - 6 - kLegendSample - 16;
  }
}

QString MagnitudeGraph::ReadOutText(int degrees) const {
  QString text = Utf8("θ = %1°").arg(degrees);
  for (const MagnitudeCurve& curve : plot_.curves) {
    text += Utf8("\n%1: %2 %3").arg(curve.title, QString::number(curve.values[degrees], 'g', 4), plot_.unit);
  }
  return text;
}

std::optional<int> MagnitudeGraph::DegreesUnder(QPointF position) const {
  const PlotMapping map = Mapping();
  if (plot_.curves.empty() || !map.frame.contains(position)) return std::nullopt;
  return std::clamp(static_cast<int>(std::lround(map.DegreesAt(position.x()))), 1, tervolin::kAngles);
}

void MagnitudeGraph::ShowReadOut(QPointF position) {
  const std::optional<int> degrees = DegreesUnder(position);
  if (degrees) {
    QToolTip::showText(mapToGlobal(position.toPoint()), ReadOutText(*degrees), this);
  } else {
    QToolTip::hideText();
  }
}

bool MagnitudeGraph::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    ShowReadOut(static_cast<QHelpEvent*>(event)->pos());
    return true;
  }
  if (event->type() == QEvent::MouseMove && QToolTip::isVisible()) {
    ShowReadOut(static_cast<QMouseEvent*>(event)->position());
  }
  return QWidget::event(event);
}

void MagnitudeGraph::keyPressEvent(QKeyEvent* event) {
  const int direction = event->key() == Qt::Key_Left ? -1 : event->key() == Qt::Key_Right ? 1 : 0;
  if (direction == 0 || plot_.curves.empty()) {
    QWidget::keyPressEvent(event);
    return;
  }
  const int step = event->modifiers() & Qt::ControlModifier ? 10 : 1;
  keyDegrees_ = std::clamp(keyDegrees_ == 0 ? 1 : keyDegrees_ + direction * step, 1, tervolin::kAngles);
  const PlotMapping map = Mapping();
  const QPointF at(map.At(keyDegrees_, map.axis.low).x(), map.frame.center().y());
  QToolTip::showText(mapToGlobal(at.toPoint()), ReadOutText(keyDegrees_), this);
}

}  // namespace tervolin::ui
