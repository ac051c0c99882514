#pragma once
// The beam's figures on the spectrum graph: a white box in the upper right of the
// frame, above φ = 0.7 and right of 100 keV, where no spectrum of 30–150 kV rises.

#include "core/beam_figures.h"

namespace tervolin {

// The box, drawn over whatever lies there (the previous computation's box included).
void DrawFiguresBox(const BeamFigures& figures);

}  // namespace tervolin
