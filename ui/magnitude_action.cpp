#include "ui/magnitude_action.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>

#include "core/messages.h"
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

void MagnitudeAction::AddTo(QMenu& menu) { menu.addAction(action_); }

void MagnitudeAction::ShowWindow() {
  if (!window_) {
    window_ = new MagnitudeWindow(&screen_, saves_);
    window_->resize(window_->sizeHint());
  }
  Update();
  ShowInFront(*window_);
}

MagnitudeWindow* MagnitudeAction::Window() const { return window_; }

void MagnitudeAction::Clear() {
  if (window_) window_->Clear();
}

void MagnitudeAction::Close() {
  if (window_) window_->close();
}

void MagnitudeAction::Follow() {
  if (window_) Update();
}

// The comparison for the screen's choice, or why there is none.
void MagnitudeAction::Update() {
  const tervolin::CurveChoice choice{ToUtf8(ChosenMaterial(materials_)), ToUtf8(energy_.text())};
  const tervolin::CurveLabel subject = bench_.MagnitudeSubject(choice);
  const auto magnitudes = bench_.Magnitudes(choice);
  if (!magnitudes) {
    window_->SetLanguage(bench_.language);
    window_->ShowProblem(subject, tervolin::MessageOf(magnitudes.Fault(), bench_.language));
    return;
  }
  window_->SetLanguage(bench_.language);
  window_->ShowMagnitudes(subject, magnitudes.Value(), bench_.Spectral());
}

}  // namespace tervolin::ui
