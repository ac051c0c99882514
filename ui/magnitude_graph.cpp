#include "ui/magnitude_graph.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

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

tervolin::MagnitudePlot GraphPlot(const MagnitudePlot& plot) {
  tervolin::MagnitudePlot drawn{plot.caption.toStdString(), plot.valueTitle.toStdString(), {}, plot.logarithmic,
                                plot.table};
  for (const MagnitudeCurve& c : plot.curves) {
    drawn.curves.push_back({c.values, ToRgb(c.colour), c.title.toStdString(), c.dashed});
  }
  return drawn;
}

bool InFrame(const tervolin::MagnitudeMapping& map, QPointF p) {
  return QRectF(map.frame.left, map.frame.top, map.frame.width, map.frame.height).contains(p);
}

}  // namespace

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

qreal MagnitudeGraph::Zoom() const { return GraphZoom(sizeHint(), size()); }

QSize MagnitudeGraph::DrawnSize() const { return (QSizeF(size()) / Zoom()).toSize(); }

tervolin::MagnitudeMapping MagnitudeGraph::Mapping() const {
  const QSize drawn = DrawnSize();
  return tervolin::MapMagnitudes(GraphPlot(plot_), drawn.width(), drawn.height());
}

void MagnitudeGraph::DrawOn(tervolin::DrawingSurface& surface) const {
  const QSize drawn = DrawnSize();
  surface.SetTextLanguage(plot_.language);
  tervolin::DrawMagnitudeGraph(surface, GraphPlot(plot_), drawn.width(), drawn.height(), TextMeasuresOf(font()));
}

QImage MagnitudeGraph::Picture() const {
  return WidgetPicture(*this, [this](QPainter& painter) { PaintOn(painter); });
}

void MagnitudeGraph::PaintOn(QPainter& painter) const {
  tervolin::DisplayList picture;
  DrawOn(picture);
  painter.fillRect(rect(), Qt::white);
  painter.save();
  painter.scale(Zoom(), Zoom());
  ReplayDrawing(painter, picture.Operations(), PixelArea(DrawnSize(), font()));
  painter.restore();
}

std::string MagnitudeGraph::SvgDocument() const {
  const QSize drawn = DrawnSize();
  tervolin::SvgSurface svg({0.0, 0.0, double(drawn.width()), double(drawn.height())}, drawn.width(), drawn.height(),
                           SvgFontOf(font()));
  DrawOn(svg);
  return svg.Document();
}

void MagnitudeGraph::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintOn(painter);
}

QString MagnitudeGraph::ReadOutText(int degrees) const {
  QString text = Utf8("θ = %1°").arg(degrees);
  for (const MagnitudeCurve& curve : plot_.curves) {
    text += Utf8("\n%1: %2 %3").arg(curve.title, QString::number(curve.values[degrees], 'g', 4), plot_.unit);
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
