#include "ui/magnitude_action.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>

#include "graphs/curve_axis.h"
#include "graphs/curve_label.h"
#include "core/leading_number.h"
#include "core/calculation_inputs.h"
#include "data/material_magnitudes.h"
#include "ui/data_folder.h"
#include "ui/magnitude_window.h"
#include "ui/material_list.h"
#include "ui/qt_text.h"
#include "ui/session.h"
#include "ui/screen_window.h"

namespace tervolin::ui {

namespace {

// What the calculation screen has chosen to compare.
struct ScreenChoice {
  std::string material;    // empty when none is selected
  std::string energyText;  // the energy field as typed, keV
  bool spectral;
  tervolin::CurveLabel subject;  // material and energy, or material and the spectrum's conditions
};

// The material, then the energy or, once a spectrum was accepted, its conditions.
tervolin::CurveLabel SubjectOf(const ScreenChoice& choice) {
  tervolin::CurveLabel subject;
  if (!choice.material.empty()) subject.push_back({choice.material, ""});
  if (!choice.spectral) subject.push_back({choice.energyText, "keV"});
  const Session& session = TheSession();
  if (choice.spectral && session.acceptedSpectrum) {
    const tervolin::CurveLabel conditions = tervolin::SpectrumLabel(session.acceptedSpectrum->settings);
    subject.insert(subject.end(), conditions.begin(), conditions.end());
  }
  return subject;
}

ScreenChoice ChoiceOf(const QListWidget& materials, const QLineEdit& energy) {
  ScreenChoice choice{ToUtf8(ChosenMaterial(materials)), ToUtf8(energy.text()),
                      TheSession().energyMode == tervolin::kSpectral, {}};
  choice.subject = SubjectOf(choice);
  return choice;
}

// The screen's own message for an input the comparison needs, or nullptr.
const char* MissingInput(const ScreenChoice& choice) {
  return tervolin::MissingCalculationInput({choice.spectral, !choice.energyText.empty(),
                                            TheSession().acceptedSpectrum.has_value(), !choice.material.empty()});
}

}  // namespace

MagnitudeAction::MagnitudeAction(QWidget& screen, const QListWidget& materials, const QLineEdit& energy)
    : QObject(&screen), screen_(screen), materials_(materials), energy_(energy), action_(new QAction(Utf8("散乱の大きさを比較…"), this)) {
  connect(action_, &QAction::triggered, this, &MagnitudeAction::ShowWindow);
}

void MagnitudeAction::AddTo(QMenu& menu) { menu.addAction(action_); }

void MagnitudeAction::ShowWindow() {
  if (!window_) {
    window_ = new MagnitudeWindow(&screen_);
    window_->resize(window_->sizeHint());
  }
  Update();
  ShowInFront(*window_);
}

MagnitudeWindow* MagnitudeAction::Window() const { return window_; }

void MagnitudeAction::Follow() {
  if (window_) Update();
}

// The comparison for the screen's choice, or why there is none.
void MagnitudeAction::Update() {
  const ScreenChoice choice = ChoiceOf(materials_, energy_);
  if (const char* missing = MissingInput(choice)) {
    window_->ShowProblem(choice.subject, missing);
    return;
  }
  const Session& session = TheSession();
  const double energy = tervolin::ReadLeadingNumber(choice.energyText);
  const tervolin::EnergyTable fluence = session.acceptedSpectrum ? session.acceptedSpectrum->fluence : tervolin::EnergyTable{};
  const tervolin::MagnitudesOfMaterial result =
      tervolin::MaterialMagnitudes(DataFolder(), choice.material, session.energyMode, energy, fluence);
  if (const auto* failure = std::get_if<tervolin::ReadFailure>(&result)) {
    window_->ShowProblem(choice.subject, tervolin::DescribeReadFailure(*failure));
  } else if (const auto* problem = std::get_if<tervolin::MagnitudeProblem>(&result)) {
    window_->ShowProblem(choice.subject, tervolin::DescribeMagnitudeProblem(*problem, choice.energyText));
  } else {
    window_->ShowMagnitudes(choice.subject, std::get<tervolin::ScatteringMagnitudes>(result), choice.spectral);
  }
}

}  // namespace tervolin::ui
