#pragma once
// The tools of a graph: a context menu (right click, the Menu key or Shift+F10 on
// the focused graph) to copy the graph (Ctrl+C), save it as PNG, SVG, PDF or CSV
// (Ctrl+S) and show a legend of its curves; and a tooltip that reads the curves off
// under the mouse pointer. The shortcuts act while the graph's screen is active.
// Further check items go into Menu(). The tools show the model's graph
// (workbench/workbench.h): they draw it on the surface whenever the model says it
// changed, and its legend, table, read-out and files are the model's.
//
// On screen the legend stands inside the frame where it covers no curve; where no
// such place is, beside or below the plot, which is drawn smaller to make room (if
// it keeps kSmallestPlotMakingRoom of its size; else where the legend covers the
// fewest curve pixels); or where the user dragged it (with the mouse, or Shift and
// the arrow keys on the focused graph) until the last menu item puts it back. Its
// rows break so that it is never wider than the frame. In copies and files it
// stands beside or below the frame on a larger picture, so it covers nothing; the
// save dialog also offers 16:9 slides with a title line. Every front end's pictures
// are laid out by the model (PictureLayoutOf): the SVG is the model's own, and the PNG
// and PDF paint the same parts at the same places.

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

#include "graphs/curve_record.h"
#include "graphs/graph_layout.h"
#include "graphs/graph_picture.h"
#include "graphs/legend_place.h"
#include "ui/graph_files.h"
#include "ui/graph_legend_box.h"
#include "ui/save_dialog.h"
#include "workbench/workbench.h"

class QAction;
class QMenu;
class QPainter;
class QPoint;

namespace tervolin::ui {

class PictureSurface;

class GraphTools : public QObject {
  Q_OBJECT

 public:
  // Owned by the surface; the shortcuts go to the surface's window. The surface shows
  // the model's `graph` from now on.
  GraphTools(PictureSurface& surface, const tervolin::Workbench& bench, tervolin::GraphKind graph,
             SaveFolderMemory& saves);

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
  // What a file's picture holds: the legend when shown, a slide with its title line.
  tervolin::PictureChoice PictureChosen(bool slide) const { return {legendShown_, slide, slide}; }
  // "干渉性散乱_鉄_100keV.png" after the last computed curve's label, with
  // "_自由電子" when free-electron curves are shown.
  QString DefaultFileName(GraphFileType type) const;

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

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::vector<tervolin::LegendRow> LegendRows() const;
  MeasuredLegend Legend() const;
  QRectF LegendOnScreen(const MeasuredLegend& legend) const;
  void PaintOverlay(QPainter& painter, qreal ratio) const;
  tervolin::LegendPlace QuietestPlace(QSizeF size) const;
  tervolin::PictureRequest RoomRequest() const;
  QRectF InnerRect(const tervolin::PlotArea& area) const;
  QPointF CurvePoint(const tervolin::CurveRecord& curve, std::size_t index) const;
  void PaintPicture(QPainter& painter, const tervolin::PictureLayout& laid, qreal ratio, const QFont& legendFont) const;
  QFont FilesLegendFont() const;
  QByteArray PdfDocument(bool slide) const;
  bool DragLegend(QEvent& event);
  bool MoveLegendByKey(const QKeyEvent& key);
  void ShowMenu(const QPoint& globalPosition);
  void ShowReadOut(const QPoint& position, const QPoint& globalPosition);
  QString ReadOutAtIndex(int index) const;
  bool StepReadOut(const QKeyEvent& key);

  PictureSurface& surface_;
  const tervolin::Workbench& bench_;
  tervolin::GraphKind graph_;
  tervolin::GraphLayout layout_;
  SaveFolderMemory& saves_;
  tervolin::Subscription shown_;  // the graph drawn anew when the model changes it
  QMenu* menu_;
  QAction* copy_;
  QAction* legend_;
  QAction* resetLegend_;
  bool legendShown_ = false;
  std::optional<QPointF> legendMoved_;  // where the user put the legend
  std::optional<QPointF> dragGrab_;     // the pointer's place in the legend while dragging
  int keyReadOut_ = -1;  // the curve index the arrow keys have reached, -1 before
};

// The graph tools attached to a surface, or nullptr.
GraphTools* ToolsOf(PictureSurface& surface);

}  // namespace tervolin::ui
