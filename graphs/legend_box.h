#pragma once
// The legend as a box of rows drawn on a surface whose user units are pixels: a
// short line in each curve's colour and style, its title, and its note in a second
// column. A title may run over several lines, apart by "\n". The front end measures
// the texts in the font it draws them with.

#include <vector>

#include "graphs/drawing_surface.h"
#include "graphs/graph_legend.h"
#include "graphs/text_measures.h"
#include "graphs/user_coordinates.h"

namespace tervolin {

// The legend's text against the graph's own (its axis labels), at least: large
// enough to read from the back of a lecture room, small enough that the legend
// finds room between a spectrum's characteristic lines and the beam's figures.
inline constexpr double kLegendTextScale = 0.8;

// The measures of one legend, pixels.
struct LegendMeasures {
  double rowHeight;   // one line of the legend's text
  double titleWidth;  // the widest line of a title
  double noteWidth;   // the widest note; 0 when no row has one
};

struct LegendSize {
  double width, height;
};

// The measures of the rows' texts in `font`.
LegendMeasures MeasureLegendRows(const std::vector<LegendRow>& rows, const TextMeasures& font);

LegendSize LegendBoxSize(const LegendMeasures& measures, const std::vector<LegendRow>& rows);

// The rows with their titles broken into lines (after a blank or "・") so that the
// box is at most `maxWidth` pixels wide in `font`; a piece that alone is too wide is
// cut short with "…". The notes (the peak's angle) stay whole: the title gives way.
std::vector<LegendRow> FitLegendRows(const std::vector<LegendRow>& rows, const TextMeasures& font, double maxWidth);

// The box with its top-left corner at `topLeft`; nothing for no rows. The text of
// the surface's font, black; line width 1 and solid strokes after.
void DrawLegendBox(DrawingSurface& surface, const std::vector<LegendRow>& rows, const LegendMeasures& measures,
                   PixelPoint topLeft);

}  // namespace tervolin
