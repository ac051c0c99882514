#pragma once
// Mapping between a picture area's fixed user coordinates and its pixels.

namespace tervolin {

struct UserScale {
  double left;    // user x at the inner left edge
  double top;     // user y at the inner top edge
  double width;   // user units across the inner area
  double height;  // user units down the inner area (negative: y grows upward)
};

struct PixelPoint {
  double x;
  double y;
};

// Pixel position (from the inner top-left corner) of user point (x, y) on an inner
// area of pixelWidth × pixelHeight logical pixels.
inline PixelPoint UserToPixel(const UserScale& s, double pixelWidth, double pixelHeight,
                              double x, double y) {
  return {(x - s.left) * pixelWidth / s.width, (y - s.top) * pixelHeight / s.height};
}

// The angular distribution graph: x from -25 to 185, y from 1.05 down to -0.15,
// on an inner area of 8835 × 6195 twips (589 × 413 pixels at 96 dpi).
inline constexpr UserScale kAngleGraphScale{-25.0, 1.05, 210.0, -1.2};
inline constexpr int kAngleGraphPixelWidth = 589;
inline constexpr int kAngleGraphPixelHeight = 413;

// The spectrum graph: 6000 × 2500 units, origin top left, y downward, on an inner
// area of 9075 × 6555 twips (605 × 437 pixels at 96 dpi).
inline constexpr UserScale kSpectrumGraphScale{0.0, 0.0, 6000.0, 2500.0};
inline constexpr int kSpectrumGraphPixelWidth = 605;
inline constexpr int kSpectrumGraphPixelHeight = 437;

}  // namespace tervolin
