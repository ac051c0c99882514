#pragma once
// The computation's window onto the screens: the fields it reads, the graphs it
// draws on, the warning box and the dispatch of pending user-interface events.
// The Qt program installs its implementation at start-up; tests install fakes.

#include <string>

#include "core/drawing_surface.h"

namespace tervolin {

// The five input fields of the spectrum screen.
enum class SpectrumField {
  TubeVoltage,        // kV
  InherentFiltration, // mm aluminium equivalent
  AluminiumFilter,    // mm
  CopperFilter,       // mm
  TargetAngle,        // degrees
};

// The text of a spectrum field when the spectrum screen opens: 100 kV, 12°,
// 2.5 mm Al equivalent, 0 mm aluminium, 0 mm copper.
const char* DefaultSpectrumFieldText(SpectrumField field);

inline constexpr SpectrumField kSpectrumFields[] = {
    SpectrumField::TubeVoltage, SpectrumField::InherentFiltration, SpectrumField::AluminiumFilter,
    SpectrumField::CopperFilter, SpectrumField::TargetAngle};

class Host {
 public:
  virtual ~Host() = default;

  // Text of the calculation screen's photon-energy field (keV).
  virtual std::string EnergyFieldText() = 0;
  // The calculation screen's angular graph (created with its screen if needed).
  virtual DrawingSurface& AngleGraph() = 0;
  // The spectrum screen's graph.
  virtual DrawingSurface& SpectrumGraph() = 0;
  virtual std::string SpectrumFieldText(SpectrumField field) = 0;
  virtual void SetSpectrumFieldText(SpectrumField field, const std::string& utf8Text) = 0;
  // Modal warning box: exclamation icon, one OK button, caption "Tervolin".
  virtual void ShowWarning(const std::string& utf8Text) = 0;
  // Lets queued clicks and repaints run before the computation goes on.
  virtual void DispatchPendingEvents() = 0;
};

// The installed host; throws std::logic_error when none is installed.
Host& CurrentHost();
// Installs a host (not owned); nullptr removes it.
void InstallHost(Host* host);

}  // namespace tervolin
