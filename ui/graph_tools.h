#pragma once
// The tools of a graph: a context menu (right click, the Menu key or Shift+F10 on
// the focused graph) to copy the graph (Ctrl+C), save it as PNG, SVG, PDF or CSV
// (Ctrl+S) and show a legend of its curves; and a tooltip that reads the curves off
// under the mouse pointer. The shortcuts act while the graph's screen is active.
// Further check items go into Menu(); the legend, table and read-out follow the
// curves the surface remembers.

#include <QKeyEvent>
#include <QObject>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "graphs/curve_memory.h"
#include "graphs/graph_layout.h"
#include "ui/graph_files.h"

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
  GraphTools(PictureSurface& surface, const tervolin::GraphLayout& layout);

  QMenu& Menu() { return *menu_; }
  QAction& CopyAction() { return *copy_; }
  QAction& LegendAction() { return *legend_; }

  // The image shown (with the legend when shown) onto the clipboard.
  void CopyGraph();
  // Asks for a file and saves the graph in the chosen type.
  void SaveGraph();
  // Saves without asking; on failure shows a message box naming the file and the
  // reason, leaves no file and returns false.
  bool SaveGraphAs(const QString& path, GraphFileType type);
  QByteArray FileContents(GraphFileType type) const;
  // "干渉性散乱_鉄_100keV.png" after the last curve's label.
  QString DefaultFileName(GraphFileType type) const;

  void SetLegendShown(bool shown);
  bool LegendShown() const { return legendShown_; }
  // User y of the legend's top edge (see kSpectrumLegendTop).
  void SetLegendTop(float userY);

  // The text the tooltip shows at a position in the surface's coordinates, or
  // nothing outside the plotting area.
  std::optional<QString> ReadOutAt(QPointF surfacePosition) const;
  // Further lines of the read-out at a curve index (UTF-8; none when empty).
  void SetReadOutExtra(std::function<std::string(int index)> extra) { readOutExtra_ = std::move(extra); }

  // The save dialog is Qt's own when this is set or TERVOLIN_QT_FILE_DIALOG is
  // in the environment (tests drive it).
  static void UseQtFileDialog(bool use);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void PaintOverlay(QPainter& painter) const;
  QPointF LegendCorner(QSizeF size) const;
  bool CurvesPassThrough(const QRectF& box) const;
  QPointF CurvePoint(const tervolin::CurveRecord& curve, std::size_t index) const;
  void PaintVector(QPainter& painter) const;
  void ShowMenu(const QPoint& globalPosition);
  void ShowReadOut(const QPoint& position, const QPoint& globalPosition);
  QString ReadOutAtIndex(int index) const;
  bool StepReadOut(const QKeyEvent& key);

  PictureSurface& surface_;
  tervolin::GraphLayout layout_;
  QMenu* menu_;
  QAction* copy_;
  QAction* legend_;
  bool legendShown_ = false;
  std::function<std::string(int)> readOutExtra_;
  int keyReadOut_ = -1;  // the curve index the arrow keys have reached, -1 before
};

// The graph tools attached to a surface, or nullptr.
GraphTools* ToolsOf(PictureSurface& surface);

}  // namespace tervolin::ui
