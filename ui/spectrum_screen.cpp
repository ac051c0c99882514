// The spectrum screen's handlers: the presence checks before the spectrum is
// computed, redo, cancel, and OK, which writes the computed spectrum to the
// spectrum file and accepts it.

#include "ui/spectrum_screen.h"

#include <QCoreApplication>
#include <QLineEdit>

#include "core/curve_memory.h"
#include "core/host.h"
#include "core/leading_number.h"
#include "core/messages.h"
#include "core/shared_state.h"
#include "core/spectrum_graph.h"
#include "core/spectrum_model.h"
#include "core/spectrum_physics.h"
#include "data/spectrum_acceptance.h"
#include "data/spectrum_file.h"
#include "ui/message_box.h"
#include "ui/picture_surface.h"
#include "ui/qt_host.h"
#include "ui/screen_access.h"

namespace tervolin::ui {

namespace {

// A check of the compute button: the field is taken as missing when `missing`
// holds; then the message is shown and, if so marked, the field gets its default.
struct PresenceCheck {
  tervolin::SpectrumField field;
  bool (*missing)(const QString& text);
  const char* message;
  bool resetToDefault;  // false: the field is left as it is
};

bool IsEmpty(const QString& text) { return text.isEmpty(); }

// Empty, or an angle outside 1° … 90° by its leading number: at 90° and beyond the
// anode's self-absorption would turn into a gain.
bool IsEmptyOrNotATargetAngle(const QString& text) {
  const double degrees = tervolin::ReadLeadingNumber(ToUtf8(text));
  return text.isEmpty() || degrees < 1.0 || degrees >= tervolin::kMaxTargetAngleDeg;
}

// A negative added filter would amplify the low-energy bins.
bool IsNegative(const QString& text) { return tervolin::ReadLeadingNumber(ToUtf8(text)) < 0.0; }

const PresenceCheck kPresenceChecks[] = {
    {tervolin::SpectrumField::TubeVoltage, IsEmpty, tervolin::msg::kEnterTubeVoltage, false},
    {tervolin::SpectrumField::TargetAngle, IsEmptyOrNotATargetAngle, tervolin::msg::kReenterTargetAngle, true},
    {tervolin::SpectrumField::InherentFiltration, IsEmpty, tervolin::msg::kReenterInherentFiltration, true},
    {tervolin::SpectrumField::AluminiumFilter, IsNegative, tervolin::msg::kReenterAluminiumFilter, true},
    {tervolin::SpectrumField::CopperFilter, IsNegative, tervolin::msg::kReenterCopperFilter, true},
};

// False after the first failing check has shown its message and reset its field.
bool InputsPresent(Form5& f) {
  for (const PresenceCheck& check : kPresenceChecks) {
    QLineEdit& field = SpectrumFieldEdit(check.field);
    if (!check.missing(field.text())) continue;
    ShowWarningBox(&f, QString::fromUtf8(check.message));
    if (check.resetToDefault) field.setText(QString::fromUtf8(tervolin::DefaultSpectrumFieldText(check.field)));
    return false;
  }
  return true;
}

tervolin::SpectrumConditions TypedConditions() {
  const auto typed = [](tervolin::SpectrumField field) { return ToUtf8(SpectrumFieldEdit(field).text()); };
  return {typed(tervolin::SpectrumField::TubeVoltage), typed(tervolin::SpectrumField::TargetAngle),
          typed(tervolin::SpectrumField::InherentFiltration), typed(tervolin::SpectrumField::AluminiumFilter),
          typed(tervolin::SpectrumField::CopperFilter)};
}

tervolin::SpectrumConditions& AcceptedConditionsHeld() {
  static tervolin::SpectrumConditions accepted;
  return accepted;
}

}  // namespace

const tervolin::SpectrumConditions& Form5::AcceptedConditions() { return AcceptedConditionsHeld(); }

// The new curve is labelled with the conditions it was computed for.
void Form5::Form5_Command1_Click() {
  if (!InputsPresent(*this)) return;
  const tervolin::SpectrumConditions conditions = TypedConditions();
  const std::size_t before = Picture3->Curves().Count();
  tervolin::CalculateSpectrum();
  if (Picture3->Curves().Count() == before) return;
  Picture3->Curves().LabelFrom(before, tervolin::SpectrumLabel(conditions));
  computed_ = conditions;
}

void Form5::Form5_Command2_Click() { HideScreen(); }

void Form5::Form5_Command3_Click() { tervolin::ClearSpectrumGraph(); }

// The file goes into the working directory. With no computed spectrum on the graph,
// or when the file cannot be written, the user is told why, nothing is accepted
// and the screen stays open.
void Form5::Form5_Command4_Click() {
  if (const auto message = tervolin::AcceptShownSpectrum(tervolin::kSpectrumFileName)) {
    ShowWarningBox(this, FromUtf8(*message));
    return;
  }
  QCoreApplication::processEvents();
  AcceptedConditionsHeld() = computed_;
  HideScreen();
}

}  // namespace tervolin::ui
