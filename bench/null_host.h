#pragma once
// A host that draws nowhere, so a benchmark measures the computation alone.

#include "core/curve_memory.h"
#include "core/host.h"

namespace tervolin::bench {

class NullSurface : public DrawingSurface {
 public:
  void Cls() override { curves.Forget(); }
  void DrawWidth(int) override {}
  void Line(float, float, float, float, Rgb) override {}
  void LineTo(float, float, Rgb) override {}
  void Box(float, float, float, float, Rgb) override {}
  void PSet(float, float, Rgb) override {}
  void Print(float, float, const std::string&) override {}
  CurveMemory& Curves() override { return curves; }
  CurveMemory curves;
};

class NullHost : public Host {
 public:
  std::string EnergyFieldText() override { return energyText; }
  DrawingSurface& AngleGraph() override { return surface; }
  DrawingSurface& SpectrumGraph() override { return surface; }
  std::string SpectrumFieldText(SpectrumField field) override;
  void SetSpectrumFieldText(SpectrumField, const std::string&) override {}
  void ShowWarning(const std::string&) override { ++warnings; }
  void DispatchPendingEvents() override {}

  std::string energyText = "100";
  NullSurface surface;
  int warnings = 0;
};

// The spectrum screen's defaults, with the tube voltage given.
inline std::string DefaultSpectrumField(SpectrumField field, const char* tubeVoltage) {
  switch (field) {
    case SpectrumField::TubeVoltage: return tubeVoltage;
    case SpectrumField::TargetAngle: return "12";
    case SpectrumField::InherentFiltration: return "2.5";
    default: return "0";
  }
}

inline std::string NullHost::SpectrumFieldText(SpectrumField field) { return DefaultSpectrumField(field, "150"); }

}  // namespace tervolin::bench
