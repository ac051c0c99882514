#pragma once
// A drawing surface that gives an SVG picture: the graph's user coordinates laid
// on an area of logical pixels as on the screens, lines and boxes as SVG lines and
// rectangles, text as text. The lines of each curve (what the drawing marks between
// BeginCurve and EndCurve) become one polyline, its points in drawing order (a dashed
// curve one path of its dashes); nothing else is drawn as a polyline or path.

#include <string>
#include <vector>

#include "graphs/display_list.h"
#include "graphs/user_coordinates.h"

namespace tervolin {

// The surface font: family list as CSS names it, size in pixels, weight.
struct SvgFont {
  std::string family;
  double pixels;
  bool bold = false;
  double stretch = 1.0;  // the glyphs' width against the font's own (a condensed screen font)
};

// Something drawn beside a picture: the picture widened to width × height pixels,
// and `svg` drawn over it in those pixels.
struct SvgAside {
  int width = 0, height = 0;
  std::string svg;
};

// The font as attributes of an element: ` font-family="…"`, and the weight when bold.
std::string SvgFontAttributes(const SvgFont& font);

// The display list of a graph and its SVG picture, drawn from the list when asked.
class SvgSurface : public DisplayList {
 public:
  SvgSurface(const UserScale& scale, int pixelWidth, int pixelHeight, SvgFont font);
  void SetFont(SvgFont font) { font_ = std::move(font); }
  const SvgFont& Font() const { return font_; }
  int PixelWidth() const { return pixelWidth_; }
  int PixelHeight() const { return pixelHeight_; }

  // The whole picture drawn since the last Cls, as a standalone SVG document.
  std::string Document(const SvgAside& aside = {}) const;
  // The same without the XML declaration, to be placed inside a page.
  std::string Picture(const SvgAside& aside = {}) const;
  // The drawn elements alone, one per line.
  std::string Elements() const;
  // The elements of the operations from the `first` on, one per line: what a picture
  // that shows the earlier ones lacks, when no Cls came since.
  std::string ElementsFrom(std::size_t first) const;

 private:
  UserScale scale_;
  int pixelWidth_, pixelHeight_;
  SvgFont font_;
};

}  // namespace tervolin
