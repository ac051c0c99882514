#pragma once
// A host without a window: records every drawing operation and warning box, and
// holds the text fields the computation reads.

#include <map>
#include <string>
#include <vector>

#include "core/curve_memory.h"
#include "core/host.h"

namespace tervolin::testing {

struct DrawOp {
  std::string kind;  // "Cls", "DrawWidth", "Line", "LineTo", "Box", "PSet", "Print"
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  Rgb colour{};
  int width = 0;
  std::string text{};
};

class RecordingSurface : public DrawingSurface {
 public:
  void Cls() override {
    ops.push_back({"Cls"});
    curves.Forget();
  }
  void DrawWidth(int pixels) override {
    DrawOp op{"DrawWidth"};
    op.width = pixels;
    ops.push_back(op);
  }
  void Line(float x1, float y1, float x2, float y2, Rgb c) override {
    ops.push_back({"Line", x1, y1, x2, y2, c});
  }
  void LineTo(float x2, float y2, Rgb c) override { ops.push_back({"LineTo", 0, 0, x2, y2, c}); }
  void Box(float x1, float y1, float x2, float y2, Rgb c) override {
    ops.push_back({"Box", x1, y1, x2, y2, c});
  }
  void PSet(float x, float y, Rgb c) override { ops.push_back({"PSet", x, y, 0, 0, c}); }
  void Print(float x, float y, const std::string& text) override {
    DrawOp op{"Print", x, y};
    op.text = text;
    ops.push_back(op);
  }
  CurveMemory& Curves() override { return curves; }
  std::vector<DrawOp> OpsOfKind(const std::string& kind) const {
    std::vector<DrawOp> found;
    for (const DrawOp& op : ops) {
      if (op.kind == kind) found.push_back(op);
    }
    return found;
  }
  std::vector<DrawOp> ops;
  CurveMemory curves;
};

class RecordingHost : public Host {
 public:
  std::string EnergyFieldText() override { return energyText; }
  DrawingSurface& AngleGraph() override { return angleGraph; }
  DrawingSurface& SpectrumGraph() override { return spectrumGraph; }
  std::string SpectrumFieldText(SpectrumField f) override { return spectrumFields[f]; }
  void SetSpectrumFieldText(SpectrumField f, const std::string& text) override {
    spectrumFields[f] = text;
  }
  void ShowWarning(const std::string& text) override { warnings.push_back(text); }
  void DispatchPendingEvents() override { ++dispatches; }

  std::string energyText;
  std::map<SpectrumField, std::string> spectrumFields;
  RecordingSurface angleGraph;
  RecordingSurface spectrumGraph;
  std::vector<std::string> warnings;
  int dispatches = 0;
};

// Installs a fresh RecordingHost and a zeroed shared state for one test.
class HostFixtureInstaller {
 public:
  HostFixtureInstaller();
  ~HostFixtureInstaller();
  RecordingHost host;
};

}  // namespace tervolin::testing
