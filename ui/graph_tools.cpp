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

#include "graphs/display_list.h"
#include "graphs/graph_picture.h"
#include "graphs/legend_place.h"
#include "ui/drawing_painter.h"
#include "ui/fonts.h"
#include "ui/graph_legend_box.h"
#include "ui/picture_surface.h"
#include "ui/save_dialog.h"
#include "ui/qt_text.h"
#include "ui/ui_texts.h"

namespace tervolin::ui {

namespace {

// Between the frame and the legend's box on screen, logical pixels.
constexpr qreal kLegendMargin = 3;
constexpr qreal kLegendKeyStep = 10;  // pixels a Shift+arrow moves the legend

QAction* AddAction(QWidget& window, QMenu& menu, UiText text, QKeySequence shortcut) {
  QAction* action = MakeAction(text, &menu);
  action->setShortcut(shortcut);
  action->setShortcutContext(Qt::WindowShortcut);
  window.addAction(action);
  menu.addAction(action);
  return action;
}

bool IsMenuKey(const QKeyEvent& key) {
  return key.key() == Qt::Key_Menu || (key.key() == Qt::Key_F10 && key.modifiers() == Qt::ShiftModifier);
}

// A picture's texts are laid out at the graph's size and drawn enlarged: unhinted,
// their widths grow with the scale, so what was measured to fit still fits.
QFont Unhinted(QFont font) {
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

QByteArray Bytes(const std::string& text) { return QByteArray(text.data(), static_cast<qsizetype>(text.size())); }

// What each graph shows of the model: a change of one of these draws it anew.
tervolin::Changes ShownBy(tervolin::GraphKind graph) {
  using tervolin::Change;
  const tervolin::Changes words = Change::kLanguage | Change::kMaterials;
  return graph == tervolin::GraphKind::kAngle ? words | Change::kCurves | Change::kViews : words | Change::kSpectra;
}

// A text of a picture in the layout's place (user units: pixels).
tervolin::DrawingOperations Printed(const std::string& text) {
  tervolin::DisplayList list;
  list.Print(0, 0, text);
  return list.Operations();
}

}  // namespace

GraphTools::GraphTools(PictureSurface& surface, const tervolin::Workbench& bench, tervolin::GraphKind graph,
                       SaveFolderMemory& saves)
    : QObject(&surface),
      surface_(surface),
      bench_(bench),
      graph_(graph),
      layout_(graph == tervolin::GraphKind::kAngle ? tervolin::kAngleGraphLayout : tervolin::kSpectrumGraphLayout),
      saves_(saves),
      menu_(new QMenu(&surface)) {
  QWidget& window = *surface.window();
  copy_ = AddAction(window, *menu_, Ui("グラフをコピー"), QKeySequence(Qt::CTRL | Qt::Key_C));
  QAction* save = AddAction(window, *menu_, Ui("グラフを保存…"), QKeySequence(Qt::CTRL | Qt::Key_S));
  legend_ = AddAction(window, *menu_, Ui("凡例を表示"), QKeySequence());
  legend_->setCheckable(true);
  resetLegend_ = MakeAction(Ui("凡例を元の位置に戻す"), menu_);
  resetLegend_->setEnabled(false);
  menu_->addAction(resetLegend_);
  connect(copy_, &QAction::triggered, this, &GraphTools::CopyGraph);
  connect(save, &QAction::triggered, this, &GraphTools::SaveGraph);
  connect(legend_, &QAction::toggled, this, &GraphTools::SetLegendShown);
  connect(resetLegend_, &QAction::triggered, this, &GraphTools::ResetLegendPlace);
  surface.setMouseTracking(true);
  surface.installEventFilter(this);
  bench_.DrawGraph(graph_, surface_.Drawing());
  shown_ = bench_.Observe([this](tervolin::Changes changes) {
    if (!changes.Any(ShownBy(graph_))) return;
    tervolin::DisplayList& drawing = surface_.Drawing();
    if (changes.Has(tervolin::Change::kCurveAdded)) {
      bench_.DrawAngleCurvesFrom(drawing, tervolin::CurveCount(drawing.Operations()));
    } else {
      bench_.DrawGraph(graph_, drawing);
    }
    surface_.update();
  });
}

GraphTools* ToolsOf(PictureSurface& surface) { return surface.findChild<GraphTools*>(QString(), Qt::FindDirectChildrenOnly); }


void GraphTools::CopyGraph() { QGuiApplication::clipboard()->setImage(Picture(surface_.RetainedImage().devicePixelRatio())); }

QString GraphTools::DefaultFileName(GraphFileType type) const {
  return FromUtf8(bench_.FileStem(graph_)) + QLatin1Char('.') + FileExtension(type);
}

void GraphTools::SaveGraph() {
  const auto chosen =
      AskFileToSave(surface_.window(), GraphAndSlideFileFilters(), DefaultFileName(GraphFileType::kPng), saves_,
                    bench_.TextLanguage());
  if (chosen) SaveGraphAs(chosen->path, chosen->type, chosen->pngScale, chosen->slide);
}

bool GraphTools::SaveGraphAs(const QString& path, GraphFileType type, int pngScale, bool slide) {
  return SaveOrWarn(surface_.window(), path, FileContents(type, pngScale, slide), saves_, bench_.TextLanguage());
}

QByteArray GraphTools::FileContents(GraphFileType type, int pngScale, bool slide) const {
  switch (type) {
    case GraphFileType::kPng: return PngBytes(Picture(pngScale, slide));
    case GraphFileType::kSvg: return Bytes(bench_.PictureSvg(graph_, PictureChosen(slide)));
    case GraphFileType::kPdf: return PdfDocument(slide);
    case GraphFileType::kCsv: return Bytes(bench_.Csv(graph_));
  }
  return {};
}

// The plot made smaller on screen to make room for the legend, measured with Qt.
tervolin::PictureRequest GraphTools::RoomRequest() const {
  const QFont graphFont = Unhinted(surface_.SurfaceFont()), legendFont = Unhinted(LegendFont(graphFont));
  const QRectF frame = InnerRect(layout_.frame);
  const QSize inner = surface_.InnerSize();
  const tervolin::GraphArea graph{double(inner.width()), double(inner.height()),
                                  {frame.left(), frame.top(), frame.width(), frame.height()},
                                  graphFont.pixelSize() * tervolin::SmallestTextScale(surface_.Operations())};
  return {graph, LegendRows(), TextMeasuresOf(legendFont), double(legendFont.pixelSize()), {},
          TextMeasuresOf(graphFont), double(graphFont.pixelSize()), false};
}

// A file's picture: the graph painted anew at the scale (the retained image itself at
// the screen's ratio), with its legend and, on a slide, its title where the model's
// layout puts them.
QImage GraphTools::Picture(qreal scale, bool slide) const {
  const tervolin::PictureLayout laid = bench_.PictureLayoutOf(graph_, PictureChosen(slide));
  if (!slide && laid.legendRows.empty()) {
    const QImage retained = surface_.RetainedImage();
    return qFuzzyCompare(scale, retained.devicePixelRatio()) ? retained : surface_.ImageAt(scale);
  }
  const PaintedArea area{{0, 0, laid.width, laid.height}, QSize(qCeil(laid.width), qCeil(laid.height)), {}};
  QImage picture = PaintedImage({}, area, scale);
  picture.setDevicePixelRatio(1);
  QPainter painter(&picture);
  PaintPicture(painter, laid, scale, FilesLegendFont());
  painter.end();
  picture.setDevicePixelRatio(scale);
  return picture;
}

// The legend's font in files: the model's layout measures it at EstimatedLegendFont's size.
QFont GraphTools::FilesLegendFont() const {
  const double pixels = tervolin::EstimatedLegendFont(bench_.PictureFont(graph_)).pixels;
  return FontOfPixels(Unhinted(LegendFont(surface_.SurfaceFont())), pixels);
}

// The graph and its legend on a vector painter (PDF).
QByteArray GraphTools::PdfDocument(bool slide) const {
  const tervolin::PictureLayout laid = bench_.PictureLayoutOf(graph_, PictureChosen(slide));
  const QSize size(qCeil(laid.width), qCeil(laid.height));
  return PdfBytes(size, FromUtf8(tervolin::TextOf(tervolin::TextId::kGraphFileStem, bench_.TextLanguage())),
                  [&](QPainter& painter) {
                    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
                    PaintPicture(painter, laid, 1, FilesLegendFont());
                  });
}

// The parts of a picture on a painter of `ratio` units to the picture's pixel.
void GraphTools::PaintPicture(QPainter& painter, const tervolin::PictureLayout& laid, qreal ratio,
                              const QFont& legendFont) const {
  const auto placed = [ratio](tervolin::PixelPoint at, double scale) {
    return Placement{QPointF(at.x, at.y) * ratio, scale * ratio};
  };
  PaintDrawing(painter, surface_.Operations(), surface_.Area(), placed(laid.graphAt, laid.graphScale));
  tervolin::DisplayList legend;
  tervolin::DrawLegendBox(legend, laid.legendRows, laid.legendMeasures, {0, 0});
  PaintDrawing(painter, legend.Operations(), PixelArea(QSize(1, 1), legendFont), placed(laid.legendAt, laid.legendScale));
  if (laid.title.empty()) return;
  PaintDrawing(painter, Printed(laid.title), PixelArea(QSize(1, 1), Unhinted(surface_.SurfaceFont())),
               placed(laid.titleAt, laid.titleScale));
}

// The legend's rows while it is shown, else none.
std::vector<tervolin::LegendRow> GraphTools::LegendRows() const {
  if (!legendShown_) return {};
  return bench_.LegendRows(graph_);
}

// On screen: the rows broken to fit inside the frame.
MeasuredLegend GraphTools::Legend() const {
  const QRectF frame = InnerRect(layout_.frame);
  return MeasureLegend(LegendRows(), LegendFont(surface_.SurfaceFont()), frame.width() - 2 * kLegendMargin);
}

// Over the graph where the legend covers no curve, or where the user put it; else
// beside or below a smaller plot, drawn anew.
void GraphTools::PaintOverlay(QPainter& painter, qreal ratio) const {
  if (const auto room = RoomOnScreen()) {
    painter.fillRect(QRectF(QPointF(0, 0), QSizeF(surface_.InnerSize()) * ratio), Qt::white);
    PaintPicture(painter, *room, ratio, Unhinted(LegendFont(surface_.SurfaceFont())));
    return;
  }
  const MeasuredLegend legend = Legend();
  PaintLegend(painter, legend, LegendOnScreen(legend).topLeft(), ratio);
}

QRectF GraphTools::LegendOnScreen() const {
  if (const auto room = RoomOnScreen()) {
    const tervolin::LegendSize size = tervolin::PlacedLegendSize(*room);
    return QRectF(room->legendAt.x, room->legendAt.y, size.width, size.height);
  }
  return LegendOnScreen(Legend());
}

QRectF GraphTools::LegendOnScreen(const MeasuredLegend& legend) const {
  const QSizeF size = legend.Size();
  if (legendMoved_) return QRectF(*legendMoved_, size);
  const tervolin::PixelPoint at = QuietestPlace(size).at;
  return QRectF(QPointF(at.x, at.y), size);
}

// The layout of the plot made smaller for the legend: while the legend is shown where
// it was not put by hand, no place inside the frame leaves the curves clear, and the
// plot keeps enough of its size.
std::optional<tervolin::PictureLayout> GraphTools::RoomOnScreen() const {
  if (!legendShown_ || legendMoved_) return std::nullopt;
  const MeasuredLegend legend = Legend();
  if (legend.rows.empty() || QuietestPlace(legend.Size()).clear) return std::nullopt;
  return tervolin::LayOutPictureMakingRoom(RoomRequest());
}

// Inside the frame, where the box covers the fewest curve pixels and none of the
// filled boxes the graph drew (the beam's figures).
tervolin::LegendPlace GraphTools::QuietestPlace(QSizeF size) const {
  std::vector<std::vector<tervolin::PixelPoint>> lines;
  for (const tervolin::CurveRecord& curve : bench_.ShownCurves(graph_)) {
    std::vector<tervolin::PixelPoint>& line = lines.emplace_back();
    for (std::size_t i = 0; i < curve.values.size(); ++i) {
      const QPointF p = CurvePoint(curve, i);
      line.push_back({p.x(), p.y()});
    }
  }
  std::vector<tervolin::PixelRect> keepClear;
  for (const tervolin::DrawingOperation& op : surface_.Operations()) {
    if (op.kind != tervolin::DrawingKind::kFillBox) continue;
    const QRectF box = InnerRect({op.x1, op.y1, op.x2, op.y2});
    keepClear.push_back({box.left(), box.top(), box.width(), box.height()});
  }
  const QRectF frame = InnerRect(layout_.frame).adjusted(kLegendMargin, kLegendMargin, -kLegendMargin, -kLegendMargin);
  return tervolin::QuietestLegendPlace(lines, {frame.left(), frame.top(), frame.width(), frame.height()},
                                       {size.width(), size.height()}, keepClear);
}

QRectF GraphTools::InnerRect(const tervolin::PlotArea& area) const {
  return QRectF(surface_.ToLogicalPixel(area.left, area.top), surface_.ToLogicalPixel(area.right, area.bottom))
      .normalized();
}

QPointF GraphTools::CurvePoint(const tervolin::CurveRecord& curve, std::size_t index) const {
  const double abscissa = tervolin::AbscissaAt(layout_.axis, static_cast<int>(index));
  return surface_.ToLogicalPixel(layout_.xAtAbscissa(abscissa), layout_.yAtValue(curve.values[index]));
}

void GraphTools::SetLegendShown(bool shown) {
  legendShown_ = shown;
  if (legend_->isChecked() != shown) legend_->setChecked(shown);
  resetLegend_->setEnabled(shown && legendMoved_);
  if (shown) {
    surface_.SetOverlay([this](QPainter& painter, qreal ratio) { PaintOverlay(painter, ratio); });
  } else {
    surface_.SetOverlay({});
    surface_.unsetCursor();
  }
}

void GraphTools::MoveLegend(QPointF topLeft) {
  const QSizeF room = QSizeF(surface_.InnerSize()) - LegendOnScreen().size();
  legendMoved_ = QPointF(std::clamp(topLeft.x(), 0.0, std::max(0.0, room.width())),
                         std::clamp(topLeft.y(), 0.0, std::max(0.0, room.height())));
  resetLegend_->setEnabled(legendShown_);
  surface_.update();
}

void GraphTools::ResetLegendPlace() {
  legendMoved_.reset();
  resetLegend_->setEnabled(false);
  surface_.update();
}

// Pressing on the legend takes it along until released.
bool GraphTools::DragLegend(QEvent& event) {
  if (!legendShown_) return false;
  const auto& mouse = static_cast<QMouseEvent&>(event);
  const QPointF at = surface_.InnerPosition(mouse.position());
  const QRectF box = LegendOnScreen();
  const bool onLegend = box.contains(at);
  if (event.type() == QEvent::MouseButtonPress && mouse.button() == Qt::LeftButton && onLegend) {
    dragGrab_ = at - box.topLeft();
  } else if (event.type() == QEvent::MouseMove && dragGrab_) {
    MoveLegend(at - *dragGrab_);
  } else if (event.type() == QEvent::MouseButtonRelease && dragGrab_) {
    dragGrab_.reset();
  } else {
    if (onLegend) {
      surface_.setCursor(Qt::OpenHandCursor);
    } else {
      surface_.unsetCursor();
    }
    return false;
  }
  surface_.setCursor(dragGrab_ ? Qt::ClosedHandCursor : Qt::OpenHandCursor);
  return true;
}

bool GraphTools::MoveLegendByKey(const QKeyEvent& key) {
  if (!legendShown_ || key.modifiers() != Qt::ShiftModifier) return false;
  QPointF step;
  switch (key.key()) {
    case Qt::Key_Left: step = {-kLegendKeyStep, 0}; break;
    case Qt::Key_Right: step = {kLegendKeyStep, 0}; break;
    case Qt::Key_Up: step = {0, -kLegendKeyStep}; break;
    case Qt::Key_Down: step = {0, kLegendKeyStep}; break;
    default: return false;
  }
  MoveLegend(LegendOnScreen().topLeft() + step);
  return true;
}

std::optional<QString> GraphTools::ReadOutAt(QPointF surfacePosition) const {
  if (const auto room = RoomOnScreen()) {  // where that point lies on the full-size graph
    const QPointF border = surfacePosition - surface_.InnerPosition(surfacePosition);
    const QPointF inner = surface_.InnerPosition(surfacePosition) - QPointF(room->graphAt.x, room->graphAt.y);
    surfacePosition = inner / room->graphScale + border;
  }
  const QPointF user = surface_.UserPointAt(surfacePosition);
  const std::optional<int> index = tervolin::CurveIndexAt(layout_, user.x(), user.y());
  if (!index) return std::nullopt;
  return ReadOutAtIndex(*index);
}

QString GraphTools::ReadOutAtIndex(int index) const { return FromUtf8(bench_.ReadOut(graph_, index)); }

// The arrow keys move the read-out along the abscissa (Ctrl: ten steps at a time),
// for the keyboard as the pointer does for the mouse.
bool GraphTools::StepReadOut(const QKeyEvent& key) {
  const int direction = key.key() == Qt::Key_Left ? -1 : key.key() == Qt::Key_Right ? 1 : 0;
  if (direction == 0) return false;
  const int step = key.modifiers() & Qt::ControlModifier ? 10 : 1;
  keyReadOut_ = std::clamp(keyReadOut_ < 0 ? 0 : keyReadOut_ + direction * step, 0, layout_.axis.points - 1);
  const double x = layout_.xAtAbscissa(tervolin::AbscissaAt(layout_.axis, keyReadOut_));
  const QPointF at = surface_.ToLogicalPixel(x, (layout_.frame.top + layout_.frame.bottom) / 2);
  QToolTip::showText(surface_.mapToGlobal(surface_.WidgetPosition(at).toPoint()), ReadOutAtIndex(keyReadOut_), &surface_);
  return true;
}

// The items added since the menu was made go before the legend's reset, which came
// last to a menu users had learned.
void GraphTools::ShowMenu(const QPoint& globalPosition) {
  menu_->removeAction(resetLegend_);
  menu_->addAction(resetLegend_);
  menu_->exec(globalPosition);
}

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
      if (MoveLegendByKey(key)) return true;
      if (!IsMenuKey(key)) return StepReadOut(key);
      ShowMenu(surface_.mapToGlobal(surface_.rect().center()));
      return true;
    }
    case QEvent::ToolTip: {
      const auto* help = static_cast<QHelpEvent*>(event);
      ShowReadOut(help->pos(), help->globalPos());
      return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease: return DragLegend(*event);
    case QEvent::MouseMove: {
      if (DragLegend(*event)) return true;
      const auto* move = static_cast<QMouseEvent*>(event);
      if (QToolTip::isVisible()) ShowReadOut(move->position().toPoint(), move->globalPosition().toPoint());
      return false;
    }
    default: return false;
  }
}

}  // namespace tervolin::ui
