#include "ui/magnitude_action.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>

#include "core/curve_axis.h"
#include "core/leading_number.h"
#include "core/messages.h"
#include "data/material_magnitudes.h"
#include "ui/calculation_screen.h"
#include "ui/magnitude_window.h"
#include "ui/qt_host.h"
#include "ui/spectrum_screen.h"

namespace tervolin::ui {

namespace {

// What the calculation screen has chosen to compare.
struct ScreenChoice {
  std::string material;    // empty when none is selected
  std::string energyText;  // the energy field as typed, keV
  bool spectral;
  tervolin::CurveLabel subject;  // material and energy, or material and the spectrum's conditions
};

ScreenChoice ChoiceOf(const Form4& screen) {
  const QList<QListWidgetItem*> selected = screen.List1->selectedItems();
  ScreenChoice choice{selected.isEmpty() ? std::string() : ToUtf8(selected.first()->text()), ToUtf8(screen.Text1->text()),
                      tervolin::Shared().EnergyMode == tervolin::kSpectral, {}};
  if (!choice.material.empty()) choice.subject.push_back({choice.material, ""});
  const tervolin::CurveLabel rest = choice.spectral ? tervolin::SpectrumLabel(Form5::AcceptedConditions())
                                                    : tervolin::CurveLabel{{choice.energyText, "keV"}};
  if (!choice.spectral || tervolin::Shared().SpectrumReady != 0) choice.subject.insert(choice.subject.end(), rest.begin(), rest.end());
  return choice;
}

// The screen's own message for an input the comparison needs, or nullptr.
const char* MissingInput(const ScreenChoice& choice) {
  if (!choice.spectral && choice.energyText.empty()) return tervolin::msg::kNoEnergy;
  if (choice.spectral && tervolin::Shared().SpectrumReady == 0) return tervolin::msg::kNoSpectrum;
  if (choice.material.empty()) return tervolin::msg::kNoScatterer;
  return nullptr;
}

std::string ProblemText(tervolin::MagnitudeProblem problem, const ScreenChoice& choice) {
  switch (problem) {
    case tervolin::MagnitudeProblem::kEnergyOutsideTable:
      return "光子エネルギー " + choice.energyText + " keV の断面積は表にありません（表は " +
             tervolin::ShortestText(tervolin::BinEnergy(1)) + "～" + tervolin::ShortestText(tervolin::BinEnergy(tervolin::kEnergyBins)) +
             " keV）";
    case tervolin::MagnitudeProblem::kNoFluence: return "受け入れたスペクトルに光子がありません";
    case tervolin::MagnitudeProblem::kCannotCalculate: break;
  }
  return tervolin::msg::kCannotCalculate;
}

}  // namespace

MagnitudeAction::MagnitudeAction(Form4& screen)
    : QObject(&screen), screen_(screen), action_(new QAction(QString::fromUtf8("散乱の大きさを比較…"), this)) {
  connect(action_, &QAction::triggered, this, &MagnitudeAction::ShowWindow);
}

void MagnitudeAction::AddTo(QMenu& menu) { menu.addAction(action_); }

void MagnitudeAction::ShowWindow() {
  if (screen_.IsCalculating()) return;
  if (!window_) {
    window_ = new MagnitudeWindow(&screen_);
    window_->resize(window_->sizeHint());
  }
  Update();
  window_->show();
  window_->raise();
  window_->activateWindow();
}

MagnitudeWindow* MagnitudeAction::Window() const { return window_; }

void MagnitudeAction::Follow() {
  if (window_) Update();
}

// The comparison for the screen's choice, or why there is none.
void MagnitudeAction::Update() {
  const ScreenChoice choice = ChoiceOf(screen_);
  if (const char* missing = MissingInput(choice)) return window_->ShowProblem(choice.subject, missing);
  const tervolin::MagnitudesOfMaterial result =
      tervolin::MaterialMagnitudes(choice.material, tervolin::ReadLeadingNumber(choice.energyText));
  if (const auto* failure = std::get_if<tervolin::ReadFailure>(&result)) {
    window_->ShowProblem(choice.subject, tervolin::DescribeReadFailure(*failure));
  } else if (const auto* problem = std::get_if<tervolin::MagnitudeProblem>(&result)) {
    window_->ShowProblem(choice.subject, ProblemText(*problem, choice));
  } else {
    window_->ShowMagnitudes(choice.subject, std::get<tervolin::ScatteringMagnitudes>(result), choice.spectral);
  }
}

}  // namespace tervolin::ui
