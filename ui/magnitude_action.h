#pragma once
// The angular graph's menu item 「散乱の大きさを比較…」 on the calculation screen: it
// opens the scattering-magnitude window for the material chosen on the screen and
// the photon energy in its field, or for the accepted spectrum in spectral mode,
// and the open window follows the screen each time its compute button draws a curve.

#include <QObject>

#include "workbench/workbench.h"
#include "ui/save_dialog.h"
#include <QPointer>

class QAction;
class QLineEdit;
class QListWidget;
class QMenu;
class QWidget;

namespace tervolin::ui {

class MagnitudeWindow;

class MagnitudeAction : public QObject {
  Q_OBJECT

 public:
  // `screen`: the window the magnitude window belongs to; the material list and the
  // energy field it reads the choice from.
  MagnitudeAction(QWidget& screen, tervolin::Workbench& bench, const QListWidget& materials, const QLineEdit& energy,
                  SaveFolderMemory& saves);

  void AddTo(QMenu& menu);
  QAction& Action() { return *action_; }

  // Opens (or raises) the window with the comparison for the screen's choice.
  void ShowWindow();
  // After the screen has drawn a curve: an open window shows the screen's choice.
  void Follow();
  // The window once opened, else nullptr.
  MagnitudeWindow* Window() const;

 private:
  void Update();

  QWidget& screen_;
  tervolin::Workbench& bench_;
  SaveFolderMemory& saves_;
  const QListWidget& materials_;
  const QLineEdit& energy_;
  QAction* action_;
  QPointer<MagnitudeWindow> window_;
};

}  // namespace tervolin::ui
