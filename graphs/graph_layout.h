#pragma once
// What the graph tools need to know of each graph: the abscissa of its curves,
// where its plotting area lies, and where its legend goes.

#include <optional>

#include "graphs/curve_axis.h"
#include "graphs/figures_box.h"
#include "graphs/spectrum_graph.h"

namespace tervolin {

// The frame's edges in user coordinates.
struct PlotArea {
  float left, top, right, bottom;
};

struct GraphLayout {
  CurveAxis axis;
  PlotArea frame;
  double (*abscissaAtX)(double userX);
  double (*xAtAbscissa)(double abscissa);  // the inverse, user x
  double (*yAtValue)(double value);        // user y of a curve's value
  bool legendShowsMaximum;  // angular curves: "ピーク 8°"
};

inline constexpr GraphLayout kAngleGraphLayout{kAngleAxis,
                                               {0.0f, 1.0f, 180.0f, 0.0f},
                                               [](double x) { return x; },
                                               [](double degrees) { return degrees; },
                                               [](double value) { return value; },
                                               true};

inline constexpr GraphLayout kSpectrumGraphLayout{
    kEnergyAxis,
    {kSpectrumFrameLeft, kSpectrumFrameTop, kSpectrumFrameRight, kSpectrumFrameBottom},
    [](double x) { return (x - SpectrumGraphX(0.0)) / (SpectrumGraphX(1.0) - SpectrumGraphX(0.0)); },
    SpectrumGraphX,
    SpectrumGraphY,
    false};

// The curve index under user point (x, y), or nothing outside the frame.
std::optional<int> CurveIndexAt(const GraphLayout& layout, double x, double y);

}  // namespace tervolin
