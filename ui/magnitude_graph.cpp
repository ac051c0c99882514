#include "ui/magnitude_graph.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

#include "ui/qt_text.h"

namespace tervolin::ui {

namespace {

bool InFrame(const tervolin::MagnitudeMapping& map, QPointF p) {
  return QRectF(map.frame.left, map.frame.top, map.frame.width, map.frame.height).contains(p);
}

}  // namespace

MagnitudeGraph::MagnitudeGraph(QWidget* parent) : WindowGraph({640, 530}, {440, 320}, parent) {
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
}

void MagnitudeGraph::SetPlot(tervolin::MagnitudePlot plot, tervolin::Language language) {
  plot_ = std::move(plot);
  SetDrawing([this, language](tervolin::DrawingSurface& surface, QSize size, const tervolin::TextMeasures& text) {
    tervolin::DrawMagnitudeGraph(surface, plot_, size.width(), size.height(), text, language);
  });
}

tervolin::MagnitudeMapping MagnitudeGraph::Mapping() const {
  const QSize drawn = DrawnSize();
  return tervolin::MapMagnitudes(plot_, drawn.width(), drawn.height());
}

QString MagnitudeGraph::ReadOutText(int degrees) const {
  QString text = Utf8("θ = %1°").arg(degrees);
  for (const tervolin::MagnitudeCurve& curve : plot_.curves) {
    text += Utf8("\n%1: %2 %3").arg(Utf8(curve.title), QString::number(curve.values[degrees], 'g', 4), Utf8(plot_.unit));
  }
  return text;
}

std::optional<int> MagnitudeGraph::DegreesUnder(QPointF position) const {
  const tervolin::MagnitudeMapping map = Mapping();
  position /= Zoom();
  if (plot_.curves.empty() || !InFrame(map, position)) return std::nullopt;
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
  const tervolin::MagnitudeMapping map = Mapping();
  const QPointF at(map.At(keyDegrees_, map.axis.low).x, map.frame.top + map.frame.height / 2);
  QToolTip::showText(mapToGlobal((at * Zoom()).toPoint()), ReadOutText(keyDegrees_), this);
}

}  // namespace tervolin::ui
