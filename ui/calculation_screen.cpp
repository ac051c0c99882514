// The calculation screen's handlers: the compute button asks the model for the chosen
// curve; the clear, spectrum and return buttons and the options.

#include "ui/calculation_screen.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <string>

#include "core/messages.h"
#include "graphs/palette.h"
#include "ui/angle_view_actions.h"
#include "ui/magnitude_action.h"
#include "ui/material_list.h"
#include "ui/message_box.h"
#include "ui/qt_text.h"
#include "ui/screens.h"
#include "ui/spectrum_screen.h"

namespace tervolin::ui {

namespace {

tervolin::CurveChoice ChoiceOf(const CalculationScreen& f) {
  return {ToUtf8(ChosenMaterial(*f.materialList)), ToUtf8(f.energyField->text())};
}

}  // namespace

// The model tells the graph and the graph windows to draw the curve.
void CalculationScreen::onComputeClicked() {
  tervolin::Workbench& bench = screens_.Bench();
  if (!bench.Scattering()) return;
  const auto curve = bench.ComputeCurve(ChoiceOf(*this));
  if (!curve) ShowWarningBox(this, FromUtf8(tervolin::MessageOf(curve.Fault(), bench.TextLanguage())), bench.TextLanguage());
}

void CalculationScreen::onSpectrumClicked() { screens_.Spectrum().OpenWithDefaults(); }

void CalculationScreen::onReturnClicked() {
  CloseGraphWindows();
  ShowHomeScreen();
  HideScreen();
}

void CalculationScreen::onClearClicked() { screens_.Bench().ClearCurves(); }

// The materials listed anew with their names in the model's language.
void CalculationScreen::ListMaterials() { ListShownMaterials(*materialList, screens_.Bench().Materials()); }

void CalculationScreen::CloseGraphWindows() {
  if (views) views->ClosePolarWindow();
  if (magnitudes) magnitudes->Close();
}

void CalculationScreen::onCloseBoxUsed() {
  CloseGraphWindows();
  ShowHomeScreen();
}

void CalculationScreen::onSingleEnergyChosen() {
  screens_.Bench().ChooseEnergyMode(tervolin::kSingleEnergy);
  spectrumButton->setEnabled(false);
}

void CalculationScreen::onSpectrumChosen() {
  screens_.Bench().ChooseEnergyMode(tervolin::kSpectral);
  spectrumButton->setEnabled(true);
}

void CalculationScreen::onRedChosen() { screens_.Bench().ChooseColour(tervolin::kPaletteRed); }

void CalculationScreen::onDarkGreenChosen() { screens_.Bench().ChooseColour(tervolin::kPaletteDarkGreen); }

void CalculationScreen::onBlueChosen() { screens_.Bench().ChooseColour(tervolin::kPaletteBlue); }

}  // namespace tervolin::ui
