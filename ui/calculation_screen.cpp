// The calculation screen's handlers: input checks, reading the material's tables,
// choosing the distribution, the clear, spectrum and return buttons and the options.

#include "ui/calculation_screen.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <string>

#include "core/distributions.h"
#include "core/leading_number.h"
#include "core/messages.h"
#include "data/scatterer_data.h"
#include "graphs/angle_graph.h"
#include "graphs/curve_label.h"
#include "graphs/palette.h"
#include "graphs/spectrum_graph.h"
#include "ui/angle_view_actions.h"
#include "ui/message_box.h"
#include "ui/picture_surface.h"
#include "ui/qt_text.h"
#include "ui/session.h"
#include "ui/spectrum_screen.h"
#include "ui/start_screen.h"

namespace tervolin::ui {

namespace {

// The screens' own messages stand between ideographic spaces.
QString Framed(const std::string& utf8Text) { return Utf8("　") + FromUtf8(utf8Text) + Utf8("　"); }

// The text of the selected material, or the empty text when none is selected.
QString SelectedMaterial(const QListWidget& list) {
  const QList<QListWidgetItem*> selected = list.selectedItems();
  return selected.isEmpty() ? QString() : selected.first()->text();
}

bool Spectral() { return TheSession().energyMode == tervolin::kSpectral; }

// What the chosen distribution is computed for: scattering, material, and the
// photon energy or the accepted spectrum's settings, as typed.
tervolin::CurveLabel ChosenCurveLabel(const Form4& f) {
  const Session& s = TheSession();
  const std::string material = ToUtf8(SelectedMaterial(*f.List1));
  if (Spectral()) return tervolin::SpectralLabel(*s.scatter, material, s.acceptedSpectrum->settings);
  return tervolin::MonoenergeticLabel(*s.scatter, material, ToUtf8(f.Text1->text()));
}

// The distribution the screen's choices select, with the energy read from its field.
tervolin::DistributionRequest ChosenRequest(const Form4& f) {
  const Session& s = TheSession();
  if (Spectral()) return {*s.scatter, s.energyMode, 0.0};
  return {*s.scatter, s.energyMode, tervolin::ReadLeadingNumber(ToUtf8(f.Text1->text()))};
}

const tervolin::EnergyTable& AcceptedFluence() {
  static const tervolin::EnergyTable kNone{};
  const Session& s = TheSession();
  return s.acceptedSpectrum ? s.acceptedSpectrum->fluence : kNone;
}

// The first missing input's message, or nullptr when the calculation may go on.
const char* MissingInput(const Form4& f) {
  if (f.Text1->text().isEmpty() && !Spectral()) return tervolin::msg::kNoEnergy;
  if (!TheSession().acceptedSpectrum && Spectral()) return tervolin::msg::kNoSpectrum;
  if (SelectedMaterial(*f.List1).isEmpty()) return tervolin::msg::kNoScatterer;
  return nullptr;
}

}  // namespace

void Form4::Form4_Command1_Click() {
  if (!TheSession().scatter) return;
  if (const char* message = MissingInput(*this)) {
    ShowWarningBox(this, Utf8(message));
    return;
  }
  const auto material = tervolin::LoadMaterialTables(ToUtf8(SelectedMaterial(*List1)), Spectral());
  if (!material) {
    ShowWarningBox(this, Framed(tervolin::DescribeReadFailure(material.Fault())));
    return;
  }
  DrawChosenCurve(material.Value());
}

// The curve in the chosen colour, labelled, kept in every view by the graph's views.
void Form4::DrawChosenCurve(const tervolin::MaterialTables& material) {
  const tervolin::DistributionRequest request = ChosenRequest(*this);
  const tervolin::EnergyTable& fluence = AcceptedFluence();
  const tervolin::Outcome<tervolin::AngleTable> values = tervolin::Distribution(request, {}, material, fluence);
  if (!values) {
    ShowWarningBox(this, FromUtf8(values.Fault().message));
    return;
  }
  const tervolin::CurveLabel label = ChosenCurveLabel(*this);
  const tervolin::Rgb colour = tervolin::PaletteColour(TheSession().plotColour);
  tervolin::PlotAngleCurve(*Picture1, values.Value(), colour, label, true);
  Views->CurveDrawn(tervolin::ViewCurve(request, values.Value(), colour, label, material, fluence));
}

void Form4::Form4_Command2_Click() {
  Form5::Instance().OpenWithDefaults();
}

void Form4::Form4_Command3_Click() {
  Form1::Instance().ShowScreen();
  HideScreen();
}

void Form4::Form4_Command4_Click() { ClearGraph(); }

// The graph with nothing but its axes and frame; its views forget their curves.
void Form4::ClearGraph() {
  Session& s = TheSession();
  s.graphViews.Forget();
  tervolin::DrawAngleAxes(*Picture1, s.graphViews.choices.perSolidAngle);
  tervolin::DrawGraphFrame(*Picture1);
}

void Form4::FormUnload() { Form1::Instance().ShowScreen(); }

void Form4::Form4_Option1_Click() {
  TheSession().energyMode = tervolin::kSingleEnergy;
  Command2->setEnabled(false);
}

void Form4::Form4_Option2_Click() {
  TheSession().energyMode = tervolin::kSpectral;
  Command2->setEnabled(true);
}

void Form4::Form4_Option3_Click() { TheSession().plotColour = tervolin::kPaletteRed; }

void Form4::Form4_Option4_Click() { TheSession().plotColour = tervolin::kPaletteDarkGreen; }

void Form4::Form4_Option5_Click() { TheSession().plotColour = tervolin::kPaletteBlue; }

}  // namespace tervolin::ui
