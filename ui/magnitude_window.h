#pragma once
// The window 「散乱の大きさを比較」: coherent and incoherent scattering and their sum
// on one absolute scale, dσ/dθ in cm²/g per degree or, when chosen, dσ/dΩ in
// cm²/g/sr, on a linear or logarithmic axis; under the graph σ/ρ of each and its
// share of the total, and a note on where the shape and the size come from. Its
// menu (right click, the Menu key or Shift+F10) copies the graph (Ctrl+C), saves it
// as PNG, SVG, PDF or CSV (Ctrl+S) and holds the two check items; Esc closes it. It
// shows the model's last comparison (workbench/workbench.h), anew whenever the model
// changes it.

#include <QByteArray>
#include <QPoint>
#include <QString>
#include <QWidget>

#include "ui/graph_files.h"
#include "ui/save_dialog.h"
#include "workbench/workbench.h"

class QAction;
class QLabel;

namespace tervolin::ui {

class MagnitudeGraph;

class MagnitudeWindow : public QWidget {
  Q_OBJECT

 public:
  MagnitudeWindow(QWidget* parent, const tervolin::Workbench& bench, SaveFolderMemory& saves);

  MagnitudeGraph& Graph() { return *graph_; }
  QAction& LogarithmicAction() { return *logarithmic_; }
  QAction& PerSolidAngleAction() { return *perSolidAngle_; }
  // The cross sections, shares and their ratio as the graph's table shows them, or the
  // problem under the graph.
  QString SummaryText() const;

  void CopyPicture();
  // A PNG at `pngScale` times the shown size.
  QByteArray FileContents(GraphFileType type, int pngScale = 1) const;
  // Writes safely (whole file or none); a failure shows a warning and gives false.
  bool SaveAs(const QString& path, GraphFileType type, int pngScale = 1);
  // Asks for a file, "散乱の大きさ_水_60keV.png" to begin with, then saves.
  void SaveWithDialog();

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void AddActions();
  // The comparison drawn anew, in the views chosen, and its problem under the graph.
  void Redraw();
  tervolin::ViewSet ViewsChosen() const;
  void ShowMenuAtGraph();
  void ShowMenu(QPoint globalPosition);

  const tervolin::Workbench& bench_;
  SaveFolderMemory& saves_;
  MagnitudeGraph* graph_;
  QLabel* summary_;
  QLabel* help_;  // the library's note on the curves and the table
  QAction* logarithmic_;
  QAction* perSolidAngle_;
  QAction* menuKey_;  // Shift+F10, which opens the menu it is not in
  tervolin::Subscription shown_;
};

}  // namespace tervolin::ui
