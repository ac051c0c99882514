#include "graphs/palette.h"

#include <array>

namespace tervolin {

Rgb PaletteColour(int index) {
  static constexpr std::array<Rgb, 16> kPalette{{
      {0, 0, 0},       {0, 0, 128},     {0, 128, 0},   {0, 128, 128},
      {128, 0, 0},     {128, 0, 128},   {128, 128, 0}, {192, 192, 192},
      {128, 128, 128}, {0, 0, 255},     {0, 255, 0},   {0, 255, 255},
      {255, 0, 0},     {255, 0, 255},   {255, 255, 0}, {255, 255, 255},
  }};
  if (index < 0 || index >= static_cast<int>(kPalette.size())) return kBlack;
  return kPalette[static_cast<std::size_t>(index)];
}

Rgb ShownColour(Rgb colour, CurvePalette palette) {
  if (palette == CurvePalette::kScreen) return colour;
  if (colour == PaletteColour(kPaletteRed)) return kOkabeItoVermillion;
  if (colour == PaletteColour(kPaletteDarkGreen)) return kOkabeItoBluishGreen;
  if (colour == PaletteColour(kPaletteBlue)) return kOkabeItoBlue;
  return colour;
}

}  // namespace tervolin
