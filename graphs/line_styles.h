#pragma once
// Line styles that tell apart curves of one colour: the first curve of a colour is
// solid, the next ones dash-dot, dotted and dash-dot-dot in turn.

#include <cstddef>
#include <vector>

#include "graphs/drawing_surface.h"

namespace tervolin {

// The style of a curve after `sameColourBefore` curves of its colour. Reference
// curves (dashed) keep their own dashes and are not counted.
LineStyle LineStyleAfter(std::size_t sameColourBefore);
// The same for the free-electron curves: dashed, long dashes, sparse short dashes.
LineStyle ReferenceStyleAfter(std::size_t sameColourBefore);
bool IsReferenceStyle(LineStyle style);

// On and off lengths in line widths, starting with a dash; empty for solid.
const std::vector<double>& DashPattern(LineStyle style);

}  // namespace tervolin
