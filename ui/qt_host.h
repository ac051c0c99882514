#pragma once
// The computation's host in the Qt program: the screens' controls, the warning box
// and the event dispatch. Texts cross between the two sides as UTF-8.

#include <QString>
#include <string>

#include "core/host.h"

namespace tervolin::ui {

QString FromUtf8(const std::string& utf8Text);
std::string ToUtf8(const QString& text);

class QtHost : public tervolin::Host {
 public:
  std::string EnergyFieldText() override;
  tervolin::DrawingSurface& AngleGraph() override;
  tervolin::DrawingSurface& SpectrumGraph() override;
  std::string SpectrumFieldText(tervolin::SpectrumField field) override;
  void SetSpectrumFieldText(tervolin::SpectrumField field, const std::string& utf8Text) override;
  // The box is modal over the active window (over none when the program has none).
  void ShowWarning(const std::string& utf8Text) override;
  void DispatchPendingEvents() override;
};

}  // namespace tervolin::ui
