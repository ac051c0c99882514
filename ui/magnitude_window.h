#pragma once
// The window 「散乱の大きさを比較」: coherent and incoherent scattering and their sum
// on one absolute scale, dσ/dθ in cm²/g per degree or, when chosen, dσ/dΩ in
// cm²/g/sr, on a linear or logarithmic axis; under the graph σ/ρ of each and its
// share of the total, and a note on where the shape and the size come from. Its
// menu (right click, the Menu key or Shift+F10) copies the graph (Ctrl+C), saves it
// as PNG, SVG, PDF or CSV (Ctrl+S) and holds the two check items; Esc closes it.

#include <QByteArray>
#include <QPoint>
#include <QString>
#include <QWidget>
#include <optional>

#include "graphs/curve_label.h"
#include "core/scattering_magnitudes.h"
#include "graphs/magnitude_graph.h"
#include "ui/graph_files.h"
#include "ui/save_dialog.h"

class QAction;
class QLabel;

namespace tervolin::ui {

class MagnitudeGraph;

class MagnitudeWindow : public QWidget {
  Q_OBJECT

 public:
  MagnitudeWindow(QWidget* parent, SaveFolderMemory& saves);

  // The comparison for `subject` (material and energy, or material and the
  // spectrum's conditions); `spectral` marks the cross sections as the spectrum's means.
  void ShowMagnitudes(const tervolin::CurveLabel& subject, const tervolin::ScatteringMagnitudes& magnitudes,
                      bool spectral);
  // No comparison for `subject`, and why (UTF-8).
  void ShowProblem(const tervolin::CurveLabel& subject, const std::string& message);
  // Nothing compared: the graph has been cleared.
  void Clear();
  // The language of what the window shows next, and of its note at once.
  void SetLanguage(tervolin::Language language);

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
  SaveFolderMemory& saves_;
  void AddActions();
  void Redraw();
  void ShowMenuAtGraph();
  void ShowMenu(QPoint globalPosition);

  MagnitudeGraph* graph_;
  QLabel* summary_;
  QLabel* help_;  // the library's note on the curves and the table
  QAction* logarithmic_;
  QAction* perSolidAngle_;
  QAction* menuKey_;  // Shift+F10, which opens the menu it is not in
  tervolin::CurveLabel subject_;
  std::optional<tervolin::ScatteringMagnitudes> magnitudes_;
  tervolin::MagnitudeTable table_;  // drawn under the graph, empty without magnitudes
  tervolin::Language language_ = tervolin::Language::kJapanese;
};

}  // namespace tervolin::ui
