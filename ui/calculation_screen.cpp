// The calculation screen's handlers: input checks, reading the material's tables,
// choosing the distribution, the clear, spectrum and return buttons and the options.

#include "ui/calculation_screen.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <string>

#include "core/calculation_inputs.h"
#include "core/distributions.h"
#include "core/leading_number.h"
#include "core/messages.h"
#include "data/scatterer_data.h"
#include "graphs/angle_graph.h"
#include "graphs/curve_label.h"
#include "graphs/palette.h"
#include "graphs/spectrum_graph.h"
#include "ui/angle_view_actions.h"
#include "ui/data_folder.h"
#include "ui/magnitude_action.h"
#include "ui/material_list.h"
#include "ui/message_box.h"
#include "ui/picture_surface.h"
#include "ui/qt_text.h"
#include "ui/session.h"
#include "ui/spectrum_screen.h"

namespace tervolin::ui {

namespace {

bool Spectral() { return TheSession().energyMode == tervolin::kSpectral; }

// What the chosen distribution is computed for: scattering, material, and the
// photon energy or the accepted spectrum's settings, as typed.
tervolin::CurveLabel ChosenCurveLabel(const CalculationScreen& f) {
  const Session& s = TheSession();
  const std::string material = ToUtf8(ChosenMaterial(*f.materialList));
  if (Spectral()) return tervolin::SpectralLabel(*s.scatter, material, s.acceptedSpectrum->settings);
  return tervolin::MonoenergeticLabel(*s.scatter, material, ToUtf8(f.energyField->text()));
}

// The distribution the screen's choices select, with the energy read from its field.
tervolin::DistributionRequest ChosenRequest(const CalculationScreen& f) {
  const Session& s = TheSession();
  if (Spectral()) return {*s.scatter, s.energyMode, 0.0};
  return {*s.scatter, s.energyMode, tervolin::ReadLeadingNumber(ToUtf8(f.energyField->text()))};
}

const tervolin::EnergyTable& AcceptedFluence() {
  static const tervolin::EnergyTable kNone{};
  const Session& s = TheSession();
  return s.acceptedSpectrum ? s.acceptedSpectrum->fluence : kNone;
}

// The first missing input's message, or nullptr when the calculation may go on.
const char* MissingInput(const CalculationScreen& f) {
  return tervolin::MissingCalculationInput({Spectral(), !f.energyField->text().isEmpty(),
                                            TheSession().acceptedSpectrum.has_value(),
                                            !ChosenMaterial(*f.materialList).isEmpty()});
}

}  // namespace

void CalculationScreen::onComputeClicked() {
  if (!TheSession().scatter) return;
  if (const char* message = MissingInput(*this)) {
    ShowWarningBox(this, Utf8(message));
    return;
  }
  const auto material = tervolin::LoadMaterialTables(DataFolder(), ToUtf8(ChosenMaterial(*materialList)), Spectral());
  if (!material) {
    ShowWarningBox(this, FromUtf8(tervolin::msg::Framed(tervolin::DescribeReadFailure(material.Fault()))));
    return;
  }
  DrawChosenCurve(material.Value());
}

// The curve in the chosen colour, labelled, kept in every view by the graph's views.
void CalculationScreen::DrawChosenCurve(const tervolin::MaterialTables& material) {
  const tervolin::DistributionRequest request = ChosenRequest(*this);
  const tervolin::EnergyTable& fluence = AcceptedFluence();
  const tervolin::Outcome<tervolin::AngleTable> values = tervolin::Distribution(request, {}, material, fluence);
  if (!values) {
    ShowWarningBox(this, FromUtf8(values.Fault().message));
    return;
  }
  const tervolin::CurveLabel label = ChosenCurveLabel(*this);
  const tervolin::Rgb colour = tervolin::PaletteColour(TheSession().plotColour);
  tervolin::PlotAngleCurve(*graph, values.Value(), colour, label, true);
  views->CurveDrawn({tervolin::ComputeDistributionViews(request, values.Value(), material, fluence), colour, label});
  magnitudes->Follow();
}

void CalculationScreen::onSpectrumClicked() {
  SpectrumScreen::Instance().OpenWithDefaults();
}

void CalculationScreen::onReturnClicked() {
  ShowHomeScreen();
  HideScreen();
}

void CalculationScreen::onClearClicked() { ClearGraph(); }

// The graph with nothing but its axes and frame; its views forget their curves.
void CalculationScreen::ClearGraph() {
  Session& s = TheSession();
  s.graphViews.Forget();
  tervolin::DrawAngleAxes(*graph, s.graphViews.choices.perSolidAngle);
  tervolin::DrawGraphFrame(*graph);
}

void CalculationScreen::onCloseBoxUsed() { ShowHomeScreen(); }

void CalculationScreen::onSingleEnergyChosen() {
  TheSession().energyMode = tervolin::kSingleEnergy;
  spectrumButton->setEnabled(false);
}

void CalculationScreen::onSpectrumChosen() {
  TheSession().energyMode = tervolin::kSpectral;
  spectrumButton->setEnabled(true);
}

void CalculationScreen::onRedChosen() { TheSession().plotColour = tervolin::kPaletteRed; }

void CalculationScreen::onDarkGreenChosen() { TheSession().plotColour = tervolin::kPaletteDarkGreen; }

void CalculationScreen::onBlueChosen() { TheSession().plotColour = tervolin::kPaletteBlue; }

}  // namespace tervolin::ui
