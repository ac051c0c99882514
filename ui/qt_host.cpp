#include "ui/qt_host.h"

#include <QApplication>
#include <QByteArray>
#include <QCoreApplication>
#include <QLineEdit>

#include "ui/message_box.h"
#include "ui/picture_surface.h"
#include "ui/screen_access.h"

namespace tervolin::ui {

QString FromUtf8(const std::string& utf8Text) {
  return QString::fromUtf8(utf8Text.data(), static_cast<qsizetype>(utf8Text.size()));
}

std::string ToUtf8(const QString& text) { return text.toUtf8().toStdString(); }

std::string QtHost::EnergyFieldText() { return ToUtf8(CalculationEnergyText()); }

tervolin::DrawingSurface& QtHost::AngleGraph() { return CalculationGraphSurface(); }

tervolin::DrawingSurface& QtHost::SpectrumGraph() { return SpectrumGraphSurface(); }

std::string QtHost::SpectrumFieldText(tervolin::SpectrumField field) {
  return ToUtf8(SpectrumFieldEdit(field).text());
}

void QtHost::SetSpectrumFieldText(tervolin::SpectrumField field, const std::string& utf8Text) {
  SpectrumFieldEdit(field).setText(FromUtf8(utf8Text));
}

void QtHost::ShowWarning(const std::string& utf8Text) {
  ShowWarningBox(QApplication::activeWindow(), FromUtf8(utf8Text));
}

void QtHost::DispatchPendingEvents() { QCoreApplication::processEvents(); }

}  // namespace tervolin::ui
