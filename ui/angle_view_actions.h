#pragma once
// The angular graph's teaching views on the calculation screen: a check item for each
// view of the table of views (core/views.h: "立体角あたりで表示", "自由電子の曲線を
// 重ねる"), "色覚に配慮した配色", which draws the curves in the colour-vision-safe
// palette and is remembered between runs, and "極座標で表示…", which opens the polar
// diagram window. Each item chooses on the model; the graph and the window draw
// themselves anew from it.
//
// The palette is kept in the program's settings (QSettings of the application's
// organisation); where no organisation is named (the tests) nothing is read or kept.

#include <QObject>
#include <QPointer>
#include <vector>

#include "core/views.h"
#include "ui/save_dialog.h"
#include "workbench/workbench.h"

class QAction;
class QMenu;
class QWidget;

namespace tervolin::ui {

class PolarDiagramWindow;

class AngleViewActions : public QObject {
  Q_OBJECT

 public:
  // `screen`: the window the polar diagram belongs to (it closes with it). A new
  // screen starts without views and curves.
  AngleViewActions(QWidget& screen, tervolin::Workbench& bench, SaveFolderMemory& saves);

  void AddTo(QMenu& menu);
  QAction& ViewAction(tervolin::View view);
  QAction& PaletteAction() { return *palette_; }
  QAction& PolarAction() { return *polar_; }

  void ShowPolarWindow();
  // The polar window once opened, else nullptr.
  PolarDiagramWindow* PolarWindow() const;
  // Leaving the screen closes the polar window (it empties with the graph by itself).
  void ClosePolarWindow();

 private:
  void ChoicesChanged();
  // The view items in the model's language.
  void NameViews();

  QWidget& screen_;
  tervolin::Workbench& bench_;
  SaveFolderMemory& saves_;
  std::vector<QAction*> views_;  // in the order of kViews
  QAction* palette_;
  QAction* polar_;
  QPointer<PolarDiagramWindow> polarWindow_;
  tervolin::Subscription named_;
};

}  // namespace tervolin::ui
