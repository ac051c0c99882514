#pragma once
// A host without a window: the screens' fields are given as texts, the graphs are
// blank surfaces that only remember their curves, and the warnings are kept. The
// command line runs the calculations on it, the benchmarks too.

#include <map>
#include <string>
#include <vector>

#include "core/blank_surface.h"
#include "core/host.h"

namespace tervolin {

class TextHost : public Host {
 public:
  std::string EnergyFieldText() override { return energyText; }
  DrawingSurface& AngleGraph() override { return surface_; }
  DrawingSurface& SpectrumGraph() override { return surface_; }
  std::string SpectrumFieldText(SpectrumField field) override { return spectrumFields[field]; }
  void SetSpectrumFieldText(SpectrumField field, const std::string& text) override {
    spectrumFields[field] = text;
  }
  void ShowWarning(const std::string& text) override { warnings.push_back(text); }
  void DispatchPendingEvents() override {}

  std::string energyText;
  std::map<SpectrumField, std::string> spectrumFields;
  std::vector<std::string> warnings;

 private:
  BlankSurface surface_;
};

}  // namespace tervolin
