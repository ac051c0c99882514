#pragma once
// The spectrum screen's graph: 6000 × 2500 user units, origin top left, y downward;
// photon energy E keV at x = 1000 + 30·E, relative fluence φ at y = 2100 − 2000·φ.

namespace tervolin {

// Grid, energy labels, the stacked axis title and the frame, without clearing first.
void DrawSpectrumAxes();

}  // namespace tervolin
