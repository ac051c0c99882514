// The spectrum screen's handlers: the presence checks before the spectrum is
// computed, redo, cancel, and OK, which writes the computed spectrum to the
// spectrum file and accepts it.

#include "ui/spectrum_screen.h"

#include <QAction>
#include <QLineEdit>

#include "core/spectrum_model.h"
#include "data/spectrum_acceptance.h"
#include "data/spectrum_file.h"
#include "graphs/shown_spectra.h"
#include "graphs/spectrum_graph.h"
#include "ui/data_folder.h"
#include "ui/message_box.h"
#include "ui/picture_surface.h"
#include "ui/qt_text.h"
#include "ui/session.h"
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
  TheSession().shownSpectra.clear();
}

// The spectra kept, drawn anew on the scale the menu's check item chooses.
void SpectrumScreen::DrawShown() {
  const auto scale = commonScaleAction->isChecked() ? tervolin::SpectrumScale::kCommon
                                                    : tervolin::SpectrumScale::kEachToItsMaximum;
  tervolin::DrawShownSpectra(*graph, TheSession().shownSpectra, scale);
}

void SpectrumScreen::OpenWithDefaults() {
  for (const tervolin::SpectrumField field : tervolin::kSpectrumFields) {
    FieldEdit(field).setText(Utf8(tervolin::DefaultSpectrumFieldText(field)));
  }
  ClearGraph();
  ShowScreen();
}

namespace {

tervolin::Outcome<tervolin::Spectrum> CheckedSpectrum(const tervolin::TubeSettings& settings) {
  if (auto problem = tervolin::CheckTubeSettings(settings)) return *problem;
  return tervolin::ComputeSpectrum(settings, TheSession().attenuation, TheSession().air);
}

}  // namespace

// A refused setting is said and its field reset; a computed spectrum joins those
// shown, labelled with its settings, with its figures, and is the one OK accepts.
void SpectrumScreen::onComputeClicked() {
  const tervolin::Outcome<tervolin::Spectrum> spectrum = CheckedSpectrum(TypedSettings());
  if (!spectrum) {
    ShowWarningBox(this, FromUtf8(spectrum.Fault().message));
    if (const auto& reset = spectrum.Fault().reset) FieldEdit(reset->field).setText(FromUtf8(reset->text));
    return;
  }
  TheSession().shownSpectra.push_back(spectrum.Value());
  DrawShown();
}

void SpectrumScreen::onScaleToggled() { DrawShown(); }

void SpectrumScreen::onCancelClicked() { HideScreen(); }

void SpectrumScreen::onRedoClicked() { ClearGraph(); }

// The file goes into the data folder. With no computed spectrum on the graph,
// or when the file cannot be written, the user is told why, nothing is accepted
// and the screen stays open.
void SpectrumScreen::onOkClicked() {
  Session& session = TheSession();
  const tervolin::Spectrum* shown = session.shownSpectra.empty() ? nullptr : &session.shownSpectra.back();
  tervolin::WrittenSpectrumFile written;
  if (const auto message = tervolin::WriteAcceptedSpectrum(DataFolder() / tervolin::kSpectrumFileName, shown, &written,
                                                             DesktopFileCalls())) {
    ShowWarningBox(this, FromUtf8(*message));
    return;
  }
  session.writtenSpectrumFile = std::move(written);
  session.acceptedSpectrum = *shown;
  HideScreen();
}

}  // namespace tervolin::ui
