// The calculation screen's handlers: input checks, reading the material's tables,
// choosing the distribution, the clear, spectrum and return buttons and the options.

#include "ui/calculation_screen.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <string>
#include <vector>

#include "core/angle_graph.h"
#include "core/curve_label.h"
#include "core/curve_memory.h"
#include "core/distributions.h"
#include "core/messages.h"
#include "core/palette.h"
#include "core/shared_state.h"
#include "core/spectrum_graph.h"
#include "data/scatterer_data.h"
#include "ui/angle_view_actions.h"
#include "ui/magnitude_action.h"
#include "ui/start_screen.h"
#include "ui/spectrum_screen.h"
#include "ui/message_box.h"
#include "ui/picture_surface.h"
#include "ui/qt_host.h"
#include "ui/screen_access.h"

namespace tervolin::ui {

namespace {

// The screens' own messages stand between ideographic spaces.
QString Framed(const std::string& utf8Text) {
  return QString::fromUtf8("　") + FromUtf8(utf8Text) + QString::fromUtf8("　");
}

// The text of the selected material, or the empty text when none is selected.
QString SelectedMaterial(const QListWidget& list) {
  const QList<QListWidgetItem*> selected = list.selectedItems();
  return selected.isEmpty() ? QString() : selected.first()->text();
}

// What the chosen distribution is computed for: scattering, material, and the
// photon energy or the accepted spectrum's conditions, as typed.
tervolin::CurveLabel ChosenCurveLabel(const Form4& f) {
  const std::string material = ToUtf8(SelectedMaterial(*f.List1));
  if (Shared().EnergyMode == tervolin::kSpectral) {
    return tervolin::SpectralLabel(Shared().ScatterType, material, Form5::AcceptedConditions());
  }
  return tervolin::MonoenergeticLabel(Shared().ScatterType, material, ToUtf8(f.Text1->text()));
}

// The first missing input's message, or nullptr when the calculation may go on.
const char* MissingInput(const Form4& f) {
  const int mode = Shared().EnergyMode;
  if (f.Text1->text().isEmpty() && mode == tervolin::kSingleEnergy) return tervolin::msg::kNoEnergy;
  if (Shared().SpectrumReady == 0 && mode == tervolin::kSpectral) return tervolin::msg::kNoSpectrum;
  if (SelectedMaterial(*f.List1).isEmpty()) return tervolin::msg::kNoScatterer;
  return nullptr;
}

// Reads the material's tables; false (after saying which file failed and how) when
// the calculation must not run.
bool LoadMaterialTables(Form4& f) {
  const auto failure = tervolin::LoadScattererData(ToUtf8(SelectedMaterial(*f.List1)));
  if (!failure) return true;
  ShowWarningBox(&f, Framed(tervolin::DescribeReadFailure(*failure)));
  return false;
}

// While a distribution runs it lets pending events through; the buttons that
// would start, clear or leave a calculation are disabled meanwhile. At the end the
// flag and the buttons are restored, and the focus a disabled button lost.
class CalculationInProgress {
 public:
  CalculationInProgress(bool& flag, QWidget& screen, std::vector<QPushButton*> buttons)
      : flag_(flag), screen_(&screen), focused_(screen.focusWidget()) {
    flag_ = true;
    for (QPushButton* button : buttons) {
      held_.push_back({button, button->isEnabled()});
      button->setEnabled(false);
    }
    movedTo_ = screen.focusWidget();
  }
  ~CalculationInProgress() {
    for (const Held& h : held_) {
      if (h.button) h.button->setEnabled(h.wasEnabled);
    }
    RestoreFocus();
    flag_ = false;
  }
  CalculationInProgress(const CalculationInProgress&) = delete;
  CalculationInProgress& operator=(const CalculationInProgress&) = delete;

 private:
  struct Held {
    QPointer<QPushButton> button;
    bool wasEnabled;
  };
  // Back to the button that had the focus, unless the user has moved it meanwhile.
  void RestoreFocus() {
    if (screen_ && focused_ && focused_ != movedTo_ && screen_->focusWidget() == movedTo_) {
      focused_->setFocus();
    }
  }

  bool& flag_;
  std::vector<Held> held_;
  QPointer<QWidget> screen_;
  QPointer<QWidget> focused_;
  QPointer<QWidget> movedTo_;
};

}  // namespace

void Form4::Form4_Command1_Click() {
  if (calculating_) return;
  if (const char* message = MissingInput(*this)) {
    ShowWarningBox(this, QString::fromUtf8(message));
    return;
  }
  if (!LoadMaterialTables(*this)) return;
  {
    const CalculationInProgress busy(calculating_, *this, {Command1, Command3, Command4});
    const std::size_t before = Picture1->Curves().Count();
    tervolin::RunChosenDistribution();
    const tervolin::CurveLabel label = ChosenCurveLabel(*this);
    Picture1->Curves().LabelFrom(before, label);
    if (Picture1->Curves().Count() > before) {
      Views->CurveDrawn(label);
      Magnitudes->Follow();
    }
  }
  CloseIfRequested();  // the close box used while the distribution ran
}

void Form4::Form4_Command2_Click() {
  Form5& spectrum = Form5::Instance();
  for (const tervolin::SpectrumField field : tervolin::kSpectrumFields) {
    SpectrumFieldEdit(field).setText(QString::fromUtf8(tervolin::DefaultSpectrumFieldText(field)));
  }
  tervolin::ClearSpectrumGraph();
  spectrum.ShowScreen();
}

void Form4::Form4_Command3_Click() {
  if (calculating_) return;
  Form1::Instance().ShowScreen();
  HideScreen();
}

void Form4::Form4_Command4_Click() {
  if (calculating_) return;
  Picture1->Cls();
  tervolin::DrawAngleAxes();
  tervolin::DrawGraphFrame();
}

void Form4::FormUnload() { Form1::Instance().ShowScreen(); }

void Form4::Form4_Option1_Click() {
  Shared().EnergyMode = tervolin::kSingleEnergy;
  Command2->setEnabled(false);
}

void Form4::Form4_Option2_Click() {
  Shared().EnergyMode = tervolin::kSpectral;
  Command2->setEnabled(true);
}

void Form4::Form4_Option3_Click() { Shared().PlotColor = tervolin::kPaletteRed; }

void Form4::Form4_Option4_Click() { Shared().PlotColor = tervolin::kPaletteDarkGreen; }

void Form4::Form4_Option5_Click() { Shared().PlotColor = tervolin::kPaletteBlue; }

}  // namespace tervolin::ui
