#include "ui/magnitude_action.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>

#include "ui/magnitude_window.h"
#include "ui/material_list.h"
#include "ui/qt_text.h"
#include "ui/ui_texts.h"
#include "ui/screen_window.h"

namespace tervolin::ui {

MagnitudeAction::MagnitudeAction(QWidget& screen, tervolin::Workbench& bench, const QListWidget& materials,
                                 const QLineEdit& energy, SaveFolderMemory& saves)
    : QObject(&screen),
      screen_(screen),
      bench_(bench),
      saves_(saves),
      materials_(materials),
      energy_(energy),
      action_(MakeAction(Ui("散乱の大きさを比較…"), this)) {
  connect(action_, &QAction::triggered, this, &MagnitudeAction::ShowWindow);
}

// The screen's curves are compared no more.
MagnitudeAction::~MagnitudeAction() { bench_.FollowCurvesWithComparison(false); }

void MagnitudeAction::AddTo(QMenu& menu) { menu.addAction(action_); }

void MagnitudeAction::ShowWindow() {
  if (!window_) {
    window_ = new MagnitudeWindow(&screen_, bench_, saves_);
    window_->resize(window_->sizeHint());
  }
  bench_.FollowCurvesWithComparison(true);
  (void)bench_.Compare({ToUtf8(ChosenMaterial(materials_)), ToUtf8(energy_.text())});
  ShowInFront(*window_);
}

MagnitudeWindow* MagnitudeAction::Window() const { return window_; }

void MagnitudeAction::Close() {
  if (window_) window_->close();
}

}  // namespace tervolin::ui
