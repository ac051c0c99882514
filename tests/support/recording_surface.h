#pragma once
// A drawing surface without a window: records every drawing operation.

#include <string>
#include <vector>

#include "graphs/curve_memory.h"
#include "graphs/drawing_surface.h"

namespace tervolin::testing {

struct DrawOp {
  std::string kind;  // "Cls", "DrawWidth", "Line", "LineTo", "Box", "FillBox", "PSet", "Print", "TextScale",
                     // "TextColour", "StrokeStyle" (its LineStyle in width)
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  Rgb colour{};
  int width = 0;
  std::string text{};
  double scale = 0;
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
  void FillBox(float x1, float y1, float x2, float y2, Rgb c) override {
    ops.push_back({"FillBox", x1, y1, x2, y2, c});
  }
  void PSet(float x, float y, Rgb c) override { ops.push_back({"PSet", x, y, 0, 0, c}); }
  void Print(float x, float y, const std::string& text) override {
    DrawOp op{"Print", x, y};
    op.text = text;
    ops.push_back(op);
  }
  void TextColour(Rgb c) override { ops.push_back({"TextColour", 0, 0, 0, 0, c}); }
  void StrokeStyle(LineStyle style) override {
    DrawOp op{"StrokeStyle"};
    op.width = static_cast<int>(style);
    ops.push_back(op);
  }
  void TextScale(double factor) override {
    DrawOp op{"TextScale"};
    op.scale = factor;
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

}  // namespace tervolin::testing
