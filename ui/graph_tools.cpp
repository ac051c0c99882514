#include "ui/graph_tools.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

#include "graphs/curves_csv.h"
#include "graphs/graph_legend.h"
#include "ui/drawing_replay.h"
#include "ui/graph_legend_box.h"
#include "ui/picture_surface.h"
#include "ui/save_dialog.h"
#include "ui/qt_text.h"

namespace tervolin::ui {

namespace {

// Between the frame and the legend's box, logical pixels.
constexpr qreal kLegendMargin = 6;
constexpr qreal kLegendSearchStep = 10;  // pixels between the places tried for the legend

QAction* AddAction(QWidget& window, QMenu& menu, const char* text, QKeySequence shortcut) {
  auto* action = new QAction(Utf8(text), &menu);
  action->setShortcut(shortcut);
  action->setShortcutContext(Qt::WindowShortcut);
  window.addAction(action);
  menu.addAction(action);
  return action;
}

bool IsMenuKey(const QKeyEvent& key) {
  return key.key() == Qt::Key_Menu || (key.key() == Qt::Key_F10 && key.modifiers() == Qt::ShiftModifier);
}

}  // namespace

GraphTools::GraphTools(PictureSurface& surface, const tervolin::GraphLayout& layout)
    : QObject(&surface), surface_(surface), layout_(layout), menu_(new QMenu(&surface)) {
  QWidget& window = *surface.window();
  copy_ = AddAction(window, *menu_, "グラフをコピー", QKeySequence(Qt::CTRL | Qt::Key_C));
  QAction* save = AddAction(window, *menu_, "グラフを保存…", QKeySequence(Qt::CTRL | Qt::Key_S));
  legend_ = AddAction(window, *menu_, "凡例を表示", QKeySequence());
  legend_->setCheckable(true);
  connect(copy_, &QAction::triggered, this, &GraphTools::CopyGraph);
  connect(save, &QAction::triggered, this, &GraphTools::SaveGraph);
  connect(legend_, &QAction::toggled, this, &GraphTools::SetLegendShown);
  surface.setMouseTracking(true);
  surface.installEventFilter(this);
}

GraphTools* ToolsOf(PictureSurface& surface) { return surface.findChild<GraphTools*>(QString(), Qt::FindDirectChildrenOnly); }

void GraphTools::UseQtFileDialog(bool use) { UseQtSaveDialog(use); }

void GraphTools::CopyGraph() { QGuiApplication::clipboard()->setImage(surface_.ShownImage()); }

QString GraphTools::DefaultFileName(GraphFileType type) const {
  const auto& curves = surface_.Curves().Curves();
  const std::string stem = tervolin::LabelFileStem(curves.empty() ? tervolin::CurveLabel{} : curves.back().label);
  return FromUtf8(stem) + QLatin1Char('.') + FileExtension(type);
}

void GraphTools::SaveGraph() {
  const auto chosen = AskFileToSave(surface_.window(), GraphFileFilters(), DefaultFileName(GraphFileType::kPng));
  if (chosen) SaveGraphAs(chosen->path, chosen->type);
}

bool GraphTools::SaveGraphAs(const QString& path, GraphFileType type) {
  return SaveOrWarn(surface_.window(), path, FileContents(type));
}

QByteArray GraphTools::FileContents(GraphFileType type) const {
  const QString title = FromUtf8(tervolin::LabelFileStem({}));
  const auto paint = [this](QPainter& painter) { PaintVector(painter); };
  switch (type) {
    case GraphFileType::kPng: return PngBytes(surface_.ShownImage());
    case GraphFileType::kSvg: {
      // The library's own SVG picture; Qt's drawing of it when the legend is over it.
      if (legendShown_) return SvgBytes(surface_.InnerSize(), title, paint);
      const std::string svg = surface_.VectorPicture().Document();
      return QByteArray(svg.data(), static_cast<qsizetype>(svg.size()));
    }
    case GraphFileType::kPdf: return PdfBytes(surface_.InnerSize(), title, paint);
    case GraphFileType::kCsv: {
      const std::string csv = tervolin::CurvesCsv(layout_.axis, surface_.Curves().Curves());
      return QByteArray(csv.data(), static_cast<qsizetype>(csv.size()));
    }
  }
  return {};
}

void GraphTools::PaintVector(QPainter& painter) const {
  painter.fillRect(QRect(QPoint(0, 0), surface_.InnerSize()), Qt::white);
  ReplayDrawing(painter, surface_);
  PaintOverlay(painter);
}

void GraphTools::PaintOverlay(QPainter& painter) const {
  if (!legendShown_) return;
  const std::vector<tervolin::LegendRow> rows =
      tervolin::LegendRows(layout_.axis, surface_.Curves().Curves(), layout_.legendShowsMaximum);
  PaintLegend(painter, rows, LegendCorner(LegendSize(rows, painter.device())));
}

// The upper right under legendTop, unless a curve passes there: then the first free
// place going down the frame's right side, then the same a step further left each
// time; the upper right again when no place inside the frame is free.
QPointF GraphTools::LegendCorner(QSizeF size) const {
  const QPointF upper =
      surface_.ToLogicalPixel(layout_.frame.right, layout_.legendTop) + QPointF(-kLegendMargin, kLegendMargin);
  const QPointF frameCorner = surface_.ToLogicalPixel(layout_.frame.left, layout_.frame.bottom);
  const qreal lowest = frameCorner.y() - kLegendMargin - size.height();
  const qreal leftmost = frameCorner.x() + kLegendMargin + size.width();
  for (qreal right = upper.x(); right >= leftmost; right -= kLegendSearchStep) {
    for (qreal top = upper.y(); top <= lowest; top += kLegendSearchStep) {
      if (!CurvesPassThrough(QRectF(QPointF(right - size.width(), top), size))) return QPointF(right, top);
    }
  }
  return upper;
}

// Whether a remembered curve's line, point to point, comes into `box` (logical pixels).
bool GraphTools::CurvesPassThrough(const QRectF& box) const {
  for (const tervolin::CurveRecord& curve : surface_.Curves().Curves()) {
    for (std::size_t i = 1; i < curve.values.size(); ++i) {
      const QRectF segment = QRectF(CurvePoint(curve, i - 1), CurvePoint(curve, i)).normalized();
      if (segment.adjusted(0, 0, 0.5, 0.5).intersects(box)) return true;
    }
  }
  return false;
}

QPointF GraphTools::CurvePoint(const tervolin::CurveRecord& curve, std::size_t index) const {
  const double abscissa = tervolin::AbscissaAt(layout_.axis, static_cast<int>(index));
  return surface_.ToLogicalPixel(layout_.xAtAbscissa(abscissa), layout_.yAtValue(curve.values[index]));
}

void GraphTools::SetLegendShown(bool shown) {
  legendShown_ = shown;
  if (legend_->isChecked() != shown) legend_->setChecked(shown);
  if (shown) {
    surface_.SetOverlay([this](QPainter& painter) { PaintOverlay(painter); });
  } else {
    surface_.SetOverlay({});
  }
}

void GraphTools::SetLegendTop(float userY) {
  layout_.legendTop = userY;
  surface_.update();
}

std::optional<QString> GraphTools::ReadOutAt(QPointF surfacePosition) const {
  const QPointF user = surface_.UserPointAt(surfacePosition);
  const std::optional<int> index = tervolin::CurveIndexAt(layout_, user.x(), user.y());
  if (!index) return std::nullopt;
  return ReadOutAtIndex(*index);
}

QString GraphTools::ReadOutAtIndex(int index) const {
  std::string text = tervolin::ReadOutText(layout_.axis, index, surface_.Curves().Curves());
  const std::string extra = readOutExtra_ ? readOutExtra_(index) : std::string();
  if (!extra.empty()) text += "\n" + extra;
  return FromUtf8(text);
}

// The arrow keys move the read-out along the abscissa (Ctrl: ten steps at a time),
// for the keyboard as the pointer does for the mouse.
bool GraphTools::StepReadOut(const QKeyEvent& key) {
  const int direction = key.key() == Qt::Key_Left ? -1 : key.key() == Qt::Key_Right ? 1 : 0;
  if (direction == 0) return false;
  const int step = key.modifiers() & Qt::ControlModifier ? 10 : 1;
  keyReadOut_ = std::clamp(keyReadOut_ < 0 ? 0 : keyReadOut_ + direction * step, 0, layout_.axis.points - 1);
  const double x = layout_.xAtAbscissa(tervolin::AbscissaAt(layout_.axis, keyReadOut_));
  const QPointF at = surface_.ToLogicalPixel(x, (layout_.frame.top + layout_.frame.bottom) / 2);
  QToolTip::showText(surface_.mapToGlobal(at.toPoint()), ReadOutAtIndex(keyReadOut_), &surface_);
  return true;
}

void GraphTools::ShowMenu(const QPoint& globalPosition) { menu_->exec(globalPosition); }

void GraphTools::ShowReadOut(const QPoint& position, const QPoint& globalPosition) {
  const std::optional<QString> text = ReadOutAt(position);
  if (text) {
    QToolTip::showText(globalPosition, *text, &surface_);
  } else {
    QToolTip::hideText();
  }
}

bool GraphTools::eventFilter(QObject* watched, QEvent* event) {
  if (watched != &surface_) return false;
  switch (event->type()) {
    case QEvent::ContextMenu: {
      const auto* menuEvent = static_cast<QContextMenuEvent*>(event);
      const bool byMouse = menuEvent->reason() == QContextMenuEvent::Mouse;
      ShowMenu(byMouse ? menuEvent->globalPos() : surface_.mapToGlobal(surface_.rect().center()));
      return true;
    }
    case QEvent::KeyPress: {
      const auto& key = *static_cast<QKeyEvent*>(event);
      if (!IsMenuKey(key)) return StepReadOut(key);
      ShowMenu(surface_.mapToGlobal(surface_.rect().center()));
      return true;
    }
    case QEvent::ToolTip: {
      const auto* help = static_cast<QHelpEvent*>(event);
      ShowReadOut(help->pos(), help->globalPos());
      return true;
    }
    case QEvent::MouseMove: {
      const auto* move = static_cast<QMouseEvent*>(event);
      if (QToolTip::isVisible()) ShowReadOut(move->position().toPoint(), move->globalPosition().toPoint());
      return false;
    }
    default: return false;
  }
}

}  // namespace tervolin::ui
