// The calculation screen's handlers: the compute button asks the workbench for the
// chosen curve and draws it; the clear, spectrum and return buttons and the options.

#include "ui/calculation_screen.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <string>

#include "core/messages.h"
#include "graphs/palette.h"
#include "ui/angle_view_actions.h"
#include "ui/data_folder.h"
#include "ui/magnitude_action.h"
#include "ui/material_list.h"
#include "ui/message_box.h"
#include "ui/picture_surface.h"
#include "ui/qt_text.h"
#include "ui/screens.h"
#include "ui/spectrum_screen.h"

namespace tervolin::ui {

namespace {

tervolin::CurveChoice ChoiceOf(const CalculationScreen& f) {
  return {ToUtf8(ChosenMaterial(*f.materialList)), ToUtf8(f.energyField->text())};
}

}  // namespace

void CalculationScreen::onComputeClicked() {
  tervolin::Workbench& bench = screens_.Bench();
  if (!bench.scatter) return;
  const auto curve = bench.ComputeCurve(ChoiceOf(*this));
  if (!curve) {
    ShowWarningBox(this, FromUtf8(tervolin::MessageOf(curve.Fault(), screens_.Bench().language)));
    return;
  }
  bench.DrawLastCurve(*graph);
  magnitudes->Follow();
}

void CalculationScreen::onSpectrumClicked() { screens_.Spectrum().OpenWithDefaults(); }

void CalculationScreen::onReturnClicked() {
  CloseGraphWindows();
  ShowHomeScreen();
  HideScreen();
}

void CalculationScreen::onClearClicked() { ClearGraph(); }

void CalculationScreen::ClearGraph() {
  screens_.Bench().ClearAngleGraph(*graph);
  if (magnitudes) magnitudes->Clear();
}

// The graph drawn anew with its words in the workbench's language (the curves keep
// the labels they were computed with), and the graph windows with it.
void CalculationScreen::SetTexts() {
  tervolin::Workbench& bench = screens_.Bench();
  graph->SetTextLanguage(bench.language);
  ListDataFolderMaterials(*materialList, bench.DataFolder(), bench.language);
  tervolin::RedrawAngleGraph(*graph, bench.views);
  if (bench.views.changed) bench.views.changed();
  if (magnitudes) magnitudes->Follow();
}

void CalculationScreen::CloseGraphWindows() {
  if (views) views->ClosePolarWindow();
  if (magnitudes) magnitudes->Close();
}

void CalculationScreen::onCloseBoxUsed() {
  CloseGraphWindows();
  ShowHomeScreen();
}

void CalculationScreen::onSingleEnergyChosen() {
  screens_.Bench().energyMode = tervolin::kSingleEnergy;
  spectrumButton->setEnabled(false);
}

void CalculationScreen::onSpectrumChosen() {
  screens_.Bench().energyMode = tervolin::kSpectral;
  spectrumButton->setEnabled(true);
}

void CalculationScreen::onRedChosen() { screens_.Bench().colour = tervolin::kPaletteRed; }

void CalculationScreen::onDarkGreenChosen() { screens_.Bench().colour = tervolin::kPaletteDarkGreen; }

void CalculationScreen::onBlueChosen() { screens_.Bench().colour = tervolin::kPaletteBlue; }

}  // namespace tervolin::ui
