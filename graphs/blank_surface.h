#pragma once
// A drawing surface that draws nothing and only remembers the curves given to it:
// for running the calculations where no graph is shown (the command line, the
// benchmarks).

#include "graphs/curve_memory.h"
#include "graphs/drawing_surface.h"

namespace tervolin {

class BlankSurface : public DrawingSurface {
 public:
  void Cls() override { curves_.Forget(); }
  void DrawWidth(int) override {}
  void Line(float, float, float, float, Rgb) override {}
  void LineTo(float, float, Rgb) override {}
  void Box(float, float, float, float, Rgb) override {}
  void FillBox(float, float, float, float, Rgb) override {}
  void PSet(float, float, Rgb) override {}
  void Print(float, float, const std::string&) override {}
  void TextScale(double) override {}
  CurveMemory& Curves() override { return curves_; }

 private:
  CurveMemory curves_;
};

}  // namespace tervolin
