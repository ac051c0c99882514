#pragma once
#include "graphs/drawing_surface.h"

namespace tervolin {

// The classic 16-colour palette. Indices outside 0..15 fall back to black.
Rgb PaletteColour(int index);

inline constexpr int kPaletteBlack = 0;
inline constexpr int kPaletteRed = 12;
inline constexpr int kPaletteDarkGreen = 2;
inline constexpr int kPaletteBlue = 9;

// The three colours a curve can be chosen in, by the names tervolin-calc and the page
// give them.
struct CurveColourName {
  const char* name;
  int index;
};
inline constexpr CurveColourName kCurveColours[] = {
    {"red", kPaletteRed}, {"darkgreen", kPaletteDarkGreen}, {"blue", kPaletteBlue}};

// How the three colours a curve can be chosen in are drawn: as the screens name them
// (red, dark green, blue), or as Okabe and Ito's vermillion, bluish green and blue,
// which the common red–green colour-vision deficiencies tell apart.
enum class CurvePalette { kScreen, kColourVisionSafe };

inline constexpr Rgb kOkabeItoVermillion{0xD5, 0x5E, 0x00};
inline constexpr Rgb kOkabeItoBluishGreen{0x00, 0x9E, 0x73};
inline constexpr Rgb kOkabeItoBlue{0x00, 0x72, 0xB2};

// The colour a curve chosen in `colour` is drawn in; any other colour (black, grey)
// stays as it is.
Rgb ShownColour(Rgb colour, CurvePalette palette);

}  // namespace tervolin
