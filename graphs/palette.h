#pragma once
#include "graphs/drawing_surface.h"

namespace tervolin {

// The classic 16-colour palette. Indices outside 0..15 fall back to black.
Rgb PaletteColour(int index);

inline constexpr int kPaletteBlack = 0;
inline constexpr int kPaletteRed = 12;
inline constexpr int kPaletteDarkGreen = 2;
inline constexpr int kPaletteBlue = 9;

}  // namespace tervolin
