#pragma once
// The angular graph's teaching views on the calculation screen: the check items
// "自由電子の曲線を重ねる" and "立体角あたりで表示", which draw the graph anew from
// its curves, "色覚に配慮した配色", which draws them in the colour-vision-safe palette
// and is remembered between runs, and "極座標で表示…", which opens the polar diagram
// window. The window follows the choices and the curves.
//
// The palette is kept in the program's settings (QSettings of the application's
// organisation); where no organisation is named (the tests) nothing is read or kept.

#include <QObject>
#include <QPointer>

#include "graphs/angle_graph_views.h"
#include "ui/save_dialog.h"

class QAction;
class QMenu;
class QWidget;

namespace tervolin::ui {

class PolarDiagramWindow;

class AngleViewActions : public QObject {
  Q_OBJECT

 public:
  // `screen`: the window the polar diagram belongs to (it closes with it); `graph`:
  // the angular graph the views are drawn on; `views`: its curves in every view.
  AngleViewActions(QWidget& screen, tervolin::DrawingSurface& graph, tervolin::AngleGraphViews& views,
                   SaveFolderMemory& saves);
  ~AngleViewActions() override;

  void AddTo(QMenu& menu);
  QAction& FreeElectronAction() { return *freeElectron_; }
  QAction& PerSolidAngleAction() { return *perSolidAngle_; }
  QAction& PaletteAction() { return *palette_; }
  QAction& PolarAction() { return *polar_; }

  void ShowPolarWindow();
  // The polar window once opened, else nullptr.
  PolarDiagramWindow* PolarWindow() const;
  // Leaving the screen closes the polar window (it empties with the graph by itself).
  void ClosePolarWindow();

 private:
  void ChoicesChanged();
  tervolin::CurvePalette PaletteChosen() const;
  void UpdatePolarWindow();

  QWidget& screen_;
  tervolin::DrawingSurface& graph_;
  tervolin::AngleGraphViews& views_;
  SaveFolderMemory& saves_;
  QAction* freeElectron_;
  QAction* perSolidAngle_;
  QAction* palette_;
  QAction* polar_;
  QPointer<PolarDiagramWindow> polarWindow_;
};

}  // namespace tervolin::ui
