#pragma once
// The host of the command line: it supplies the screens' field texts, gives the
// computation drawing surfaces that draw nothing and keeps the warnings it raises.

#include <map>
#include <string>
#include <vector>

#include "core/blank_surface.h"
#include "core/host.h"

namespace tervolin::cli {

class CalcHost : public Host {
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

// Installs a host for its lifetime.
class InstalledHost {
 public:
  InstalledHost() { InstallHost(&host); }
  ~InstalledHost() { InstallHost(nullptr); }
  InstalledHost(const InstalledHost&) = delete;
  InstalledHost& operator=(const InstalledHost&) = delete;
  CalcHost host;
};

}  // namespace tervolin::cli
