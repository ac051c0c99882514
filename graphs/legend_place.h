#pragma once
// Where a legend box covers the fewest curve pixels inside a graph's frame.

#include <vector>

#include "graphs/legend_box.h"
#include "graphs/user_coordinates.h"

namespace tervolin {

struct PixelRect {
  double left, top, width, height;
};

// The top-left corner, inside `area` (pixels), of the place for a box of `size`
// that covers the fewest pixels of the curves (each a polyline in pixels) and
// nothing of `keepClear` (the beam's figures, say). The four corners of the area
// come first, upper right to lower left, and keep their place on a tie; after them
// places nearer a corner come first. The upper right when the box does not fit.
// `clear`: the place covers nothing.
struct LegendPlace {
  PixelPoint at;
  bool clear;
};
LegendPlace QuietestLegendPlace(const std::vector<std::vector<PixelPoint>>& curves, PixelRect area, LegendSize size,
                               const std::vector<PixelRect>& keepClear = {});

}  // namespace tervolin
