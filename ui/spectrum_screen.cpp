// The spectrum screen's handlers: the presence checks before the spectrum is
// computed, redo, cancel, and OK, which writes the computed spectrum to the
// spectrum file and accepts it.

#include "ui/spectrum_screen.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>

#include "core/beam_qualities.h"
#include "core/messages.h"
#include "core/spectrum_model.h"
#include "ui/message_box.h"
#include "ui/qt_text.h"
#include "ui/ui_texts.h"
#include "ui/screens.h"
#include "ui/termination_signals.h"

namespace tervolin::ui {

QLineEdit& SpectrumScreen::FieldEdit(tervolin::SpectrumField field) const {
  switch (field) {
    case tervolin::SpectrumField::TubeVoltage: return *tubeVoltageField;
    case tervolin::SpectrumField::InherentFiltration: return *inherentFiltrationField;
    case tervolin::SpectrumField::AluminiumFilter: return *aluminiumFilterField;
    case tervolin::SpectrumField::CopperFilter: return *copperFilterField;
    case tervolin::SpectrumField::TargetAngle: break;
  }
  return *targetAngleField;
}

tervolin::TubeSettings SpectrumScreen::TypedSettings() const {
  tervolin::TubeSettings settings;
  for (const tervolin::SpectrumField field : tervolin::kSpectrumFields) settings.Text(field) = ToUtf8(FieldEdit(field).text());
  return settings;
}

// The quality list's first item in the language of the screens' texts.
void SpectrumScreen::SetTexts() { qualityList->setItemText(0, Translated(Ui("なし"))); }

void SpectrumScreen::OpenWithDefaults() {
  for (const tervolin::SpectrumField field : tervolin::kSpectrumFields) {
    FieldEdit(field).setText(Utf8(tervolin::DefaultSpectrumFieldText(field)));
  }
  qualityList->setCurrentIndex(0);
  screens_.Bench().ClearSpectra();
  ShowScreen();
}

// A refused setting is said and its field reset; a computed spectrum joins those
// shown, labelled with its settings, with its figures, and is the one OK accepts.
void SpectrumScreen::onComputeClicked() {
  tervolin::Workbench& bench = screens_.Bench();
  tervolin::TubeSettings settings = TypedSettings();
  const tervolin::Outcome<tervolin::Spectrum> spectrum = bench.ComputeSpectrum(settings);
  if (spectrum) return;
  ShowWarningBox(this, FromUtf8(tervolin::MessageOf(spectrum.Fault(), bench.TextLanguage())), bench.TextLanguage());
  if (const auto& reset = spectrum.Fault().reset) FieldEdit(reset->field).setText(FromUtf8(reset->text));
}

void SpectrumScreen::onScaleToggled() {
  screens_.Bench().ChooseSpectrumScale(commonScaleAction->isChecked() ? tervolin::SpectrumScale::kCommon
                                                                      : tervolin::SpectrumScale::kEachToItsMaximum);
}

void SpectrumScreen::onQualityChosen(int index) {
  if (index < 1) return;
  const tervolin::TubeSettings settings = tervolin::QualitySettings(tervolin::BeamQualities()[index - 1]);
  for (const tervolin::SpectrumField field : tervolin::kSpectrumFields) {
    FieldEdit(field).setText(FromUtf8(settings.Text(field)));
  }
}

void SpectrumScreen::onFieldEdited() { qualityList->setCurrentIndex(0); }

void SpectrumScreen::onCancelClicked() { HideScreen(); }

void SpectrumScreen::onRedoClicked() { screens_.Bench().ClearSpectra(); }

// The file goes into the data folder. With no computed spectrum on the graph, or
// when the file cannot be written, the user is told why, nothing is accepted and the
// screen stays open.
void SpectrumScreen::onOkClicked() {
  tervolin::Workbench& bench = screens_.Bench();
  if (const auto problem = bench.WriteAndAcceptSpectrum(DesktopFileCalls())) {
    ShowWarningBox(this, FromUtf8(tervolin::MessageOf(*problem, bench.TextLanguage())), bench.TextLanguage());
    return;
  }
  HideScreen();
}

}  // namespace tervolin::ui
