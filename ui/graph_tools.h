#pragma once
// The tools of a graph: a context menu (right click, the Menu key or Shift+F10 on
// the focused graph) to copy the graph (Ctrl+C), save it as PNG, SVG, PDF or CSV
// (Ctrl+S) and show a legend of its curves; and a tooltip that reads the curves off
// under the mouse pointer. The shortcuts act while the graph's screen is active.
// Further check items go into Menu(); the legend, table and read-out follow the
// curves the surface remembers.
//
// On screen the legend stands inside the frame where it covers no curve; where no
// such place is, beside or below the plot, which is drawn smaller to make room (if
// it keeps kSmallestPlotMakingRoom of its size; else where the legend covers the
// fewest curve pixels); or where the user dragged it (with the mouse, or Shift and
// the arrow keys on the focused graph) until the last menu item puts it back. Its
// rows break so that it is never wider than the frame. In copies and files it
// stands beside or below the frame on a larger picture (graphs/graph_picture.h), so it covers nothing; the save dialog
// also offers 16:9 slides with a title line.

#include <QKeyEvent>
#include <QObject>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QImage>
#include <QFont>
#include <functional>
#include <optional>
#include <string>

#include "graphs/curve_memory.h"
#include "graphs/graph_legend.h"
#include "graphs/graph_layout.h"
#include "graphs/graph_picture.h"
#include "graphs/legend_place.h"
#include "ui/graph_files.h"
#include "ui/save_dialog.h"
#include "ui/graph_legend_box.h"

class QAction;
class QMenu;
class QPainter;
class QPoint;

namespace tervolin::ui {

class PictureSurface;

class GraphTools : public QObject {
  Q_OBJECT

 public:
  // Owned by the surface; the shortcuts go to the surface's window.
  GraphTools(PictureSurface& surface, const tervolin::GraphLayout& layout, SaveFolderMemory& saves);

  QMenu& Menu() { return *menu_; }
  QAction& CopyAction() { return *copy_; }
  QAction& LegendAction() { return *legend_; }
  QAction& ResetLegendAction() { return *resetLegend_; }

  // The graph (with the legend beside or below it when shown) onto the clipboard.
  void CopyGraph();
  // Asks for a file and saves the graph in the chosen type.
  void SaveGraph();
  // Saves without asking; on failure shows a message box naming the file and the
  // reason, leaves no file and returns false. A PNG has pngScale × the screen's
  // pixels; a slide is 16:9, its PNG pngScale × 1920 × 1080 pixels.
  bool SaveGraphAs(const QString& path, GraphFileType type, int pngScale = 1, bool slide = false);
  QByteArray FileContents(GraphFileType type, int pngScale = 1, bool slide = false) const;
  // The graph at `scale` × its logical size, with the legend beside or below it when
  // shown; or a slide at `scale` × its size.
  QImage Picture(qreal scale, bool slide = false) const;
  // Where a file's picture has its parts (graphs/graph_picture.h).
  tervolin::PictureLayout LaidOutPicture(bool slide) const;
  // "干渉性散乱_鉄_100keV.png" after the last computed curve's label, with
  // "_自由電子" when free-electron curves are shown.
  QString DefaultFileName(GraphFileType type) const;
  // A slide's title line (UTF-8; none when not set).
  void SetSlideTitle(std::function<std::string()> title) { slideTitle_ = std::move(title); }

  void SetLegendShown(bool shown);
  bool LegendShown() const { return legendShown_; }
  // The legend's box on screen, logical pixels of the surface's inner area.
  QRectF LegendOnScreen() const;
  // Moves the legend's top-left corner (inner logical pixels), kept inside the graph.
  void MoveLegend(QPointF topLeft);
  void ResetLegendPlace();
  // Where the plot and the legend stand while the plot is drawn smaller to make room
  // for the legend; nothing while the legend stands over the plot.
  std::optional<tervolin::PictureLayout> RoomOnScreen() const;

  // The text the tooltip shows at a position in the surface's coordinates, or
  // nothing outside the plotting area.
  std::optional<QString> ReadOutAt(QPointF surfacePosition) const;
  // Further lines of the read-out at a curve index (UTF-8; none when empty).
  void SetReadOutExtra(std::function<std::string(int index)> extra) { readOutExtra_ = std::move(extra); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::vector<tervolin::LegendRow> LegendRows() const;
  MeasuredLegend Legend() const;
  QRectF LegendOnScreen(const MeasuredLegend& legend) const;
  void PaintOverlay(QPainter& painter) const;
  tervolin::LegendPlace QuietestPlace(QSizeF size) const;
  tervolin::PictureRequest RequestedPicture(bool slide) const;
  QRectF InnerRect(const tervolin::PlotArea& area) const;
  QPointF CurvePoint(const tervolin::CurveRecord& curve, std::size_t index) const;
  void PaintGraph(QPainter& painter, const tervolin::PictureLayout& laid) const;
  void PaintLegendAndTitle(QPainter& painter, const tervolin::PictureLayout& laid) const;
  QByteArray PdfDocument(bool slide) const;
  QByteArray SvgDocument(bool slide) const;
  bool DragLegend(QEvent& event);
  bool MoveLegendByKey(const QKeyEvent& key);
  void ShowMenu(const QPoint& globalPosition);
  void ShowReadOut(const QPoint& position, const QPoint& globalPosition);
  QString ReadOutAtIndex(int index) const;
  bool StepReadOut(const QKeyEvent& key);

  PictureSurface& surface_;
  tervolin::GraphLayout layout_;
  SaveFolderMemory& saves_;
  QMenu* menu_;
  QAction* copy_;
  QAction* legend_;
  QAction* resetLegend_;
  bool legendShown_ = false;
  std::optional<QPointF> legendMoved_;  // where the user put the legend
  std::optional<QPointF> dragGrab_;     // the pointer's place in the legend while dragging
  std::function<std::string(int)> readOutExtra_;
  std::function<std::string()> slideTitle_;
  int keyReadOut_ = -1;  // the curve index the arrow keys have reached, -1 before
};

// The graph tools attached to a surface, or nullptr.
GraphTools* ToolsOf(PictureSurface& surface);

}  // namespace tervolin::ui
