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
#include "graphs/shown_spectra.h"
#include "graphs/spectrum_graph.h"
#include "ui/data_folder.h"
#include "ui/message_box.h"
#include "ui/picture_surface.h"
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

void SpectrumScreen::ClearGraph() {
  tervolin::ClearSpectrumGraph(*graph);
  screens_.Bench().shownSpectra.clear();
}

// The spectra kept, drawn anew on the scale the menu's check item chooses.
void SpectrumScreen::DrawShown() {
  const auto scale = commonScaleAction->isChecked() ? tervolin::SpectrumScale::kCommon
                                                    : tervolin::SpectrumScale::kEachToItsMaximum;
  tervolin::DrawShownSpectra(*graph, screens_.Bench().shownSpectra, scale);
}

// The graph's words and the quality list's first item in the workbench's language.
void SpectrumScreen::SetTexts() {
  graph->SetTextLanguage(screens_.Bench().language);
  qualityList->setItemText(0, Translated(Ui("なし")));
  DrawShown();
}

void SpectrumScreen::OpenWithDefaults() {
  for (const tervolin::SpectrumField field : tervolin::kSpectrumFields) {
    FieldEdit(field).setText(Utf8(tervolin::DefaultSpectrumFieldText(field)));
  }
  qualityList->setCurrentIndex(0);
  ClearGraph();
  ShowScreen();
}

// A refused setting is said and its field reset; a computed spectrum joins those
// shown, labelled with its settings, with its figures, and is the one OK accepts.
void SpectrumScreen::onComputeClicked() {
  tervolin::TubeSettings settings = TypedSettings();
  const tervolin::Outcome<tervolin::Spectrum> spectrum = screens_.Bench().ComputeSpectrum(settings);
  if (!spectrum) {
    ShowWarningBox(this, FromUtf8(tervolin::MessageOf(spectrum.Fault(), screens_.Bench().language)));
    if (const auto& reset = spectrum.Fault().reset) FieldEdit(reset->field).setText(FromUtf8(reset->text));
    return;
  }
  DrawShown();
}

void SpectrumScreen::onScaleToggled() { DrawShown(); }

void SpectrumScreen::onQualityChosen(int index) {
  if (index < 1) return;
  const tervolin::TubeSettings settings = tervolin::QualitySettings(tervolin::BeamQualities()[index - 1]);
  for (const tervolin::SpectrumField field : tervolin::kSpectrumFields) {
    FieldEdit(field).setText(FromUtf8(settings.Text(field)));
  }
}

void SpectrumScreen::onFieldEdited() { qualityList->setCurrentIndex(0); }

void SpectrumScreen::onCancelClicked() { HideScreen(); }

void SpectrumScreen::onRedoClicked() { ClearGraph(); }

// The file goes into the data folder. With no computed spectrum on the graph, or
// when the file cannot be written, the user is told why, nothing is accepted and the
// screen stays open.
void SpectrumScreen::onOkClicked() {
  if (const auto problem = screens_.Bench().WriteAndAcceptSpectrum(DesktopFileCalls())) {
    ShowWarningBox(this, FromUtf8(tervolin::MessageOf(*problem, screens_.Bench().language)));
    return;
  }
  HideScreen();
}

}  // namespace tervolin::ui
