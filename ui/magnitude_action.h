#pragma once
// The angular graph's menu item 「散乱の大きさを比較…」 on the calculation screen: it
// has the model compare the material chosen on the screen at the photon energy in its
// field, or over the accepted spectrum in spectral mode, and opens the
// scattering-magnitude window; from then on the model compares each curve computed.

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
  ~MagnitudeAction() override;

  void AddTo(QMenu& menu);
  QAction& Action() { return *action_; }

  // Opens (or raises) the window with the comparison for the screen's choice.
  void ShowWindow();
  // Leaving the screen closes the window.
  void Close();
  // The window once opened, else nullptr.
  MagnitudeWindow* Window() const;

 private:
  QWidget& screen_;
  tervolin::Workbench& bench_;
  SaveFolderMemory& saves_;
  const QListWidget& materials_;
  const QLineEdit& energy_;
  QAction* action_;
  QPointer<MagnitudeWindow> window_;
};

}  // namespace tervolin::ui
