#pragma once
// A picture of a graph for copies, files and slides: the graph, its legend beside
// or below the frame so that it covers no curve, and a title line on a slide. The
// layout is made here once for the screens' files, tervolin-calc and the page; each
// front end draws the parts where it says.

#include <optional>
#include <string>
#include <vector>

#include "graphs/graph_layout.h"
#include "graphs/legend_box.h"
#include "graphs/legend_place.h"
#include "graphs/svg_surface.h"
#include "graphs/text_measures.h"

namespace tervolin {

// A slide of a lecture: 16:9, the pixels of a full-HD projector.
inline constexpr double kSlideWidth = 1920;
inline constexpr double kSlideHeight = 1080;
// A slide's smallest text against its height: legible from the back of a room.
inline constexpr double kSlideSmallestText = 1.0 / 40;

// The graphs' fonts where the screens' are not at hand (tervolin-calc, the page): the
// screens' faces, then the Noto CJK fonts; sizes in pixels as on the screens.
SvgFont AngleGraphSvgFont();
SvgFont SpectrumGraphSvgFont();

// The graph as drawn on its screen, logical pixels.
struct GraphArea {
  double width, height;
  PixelRect frame;      // the frame inside the area
  double smallestText;  // the size of the graph's smallest text
};

struct PictureRequest {
  GraphArea graph;
  std::vector<LegendRow> legend;  // none: no legend
  TextMeasures legendFont;        // at the graph's size
  double legendPixels;            // the legend font's size
  std::string title;              // empty: no title line
  TextMeasures titleFont;         // the graph's font
  double titlePixels;
  bool slide = false;  // kSlideWidth × kSlideHeight; else the graph at its own size
};

enum class LegendSide { kNone, kBeside, kBelow };

// Where the parts go, pixels of the picture. A part drawn at a scale is drawn as at
// its own size, then enlarged about its top-left corner.
struct PictureLayout {
  double width, height;
  PixelPoint graphAt;
  double graphScale;
  LegendSide side;
  std::vector<LegendRow> legendRows;  // titles broken to fit
  LegendMeasures legendMeasures;      // in the legend's font at the graph's size
  PixelPoint legendAt;
  double legendScale;
  std::string title;
  PixelPoint titleAt;
  double titleScale;
};

PictureLayout LayOutPicture(const PictureRequest& request);
// The smallest the plot is drawn to make room: below it its text grows too small to
// read, and the legend stands over the plot where the user can drag it.
inline constexpr double kSmallestPlotMakingRoom = 0.6;
// On the graph's own area: the plot made smaller so that the legend, at its own size,
// stands beside or below it (the screens, when no place inside the frame leaves the
// curves clear); nothing when the plot would keep less than kSmallestPlotMakingRoom
// of its size. The request's title and slide are not used.
std::optional<PictureLayout> LayOutPictureMakingRoom(const PictureRequest& request);

// The legend box's size in the picture, pixels.
LegendSize PlacedLegendSize(const PictureLayout& layout);

// The smallest text scale among the operations' printed texts (1 when none prints).
double SmallestTextScale(const DrawingOperations& operations);

// The picture as a standalone SVG document: the graph's elements at their place and
// scale, its legend in `legendFont` and its title in the graph's font.
std::string PictureSvgDocument(const SvgSurface& graph, const PictureLayout& layout, const SvgFont& legendFont);

// A picture of a graph as every front end saves it, laid out where its fonts need not
// be measured, with EstimatedTextMeasures: its legend (the rows; none, no legend) in
// EstimatedLegendFont, its title in the graph's font. `scale`: the graph's user
// coordinates. The desktop paints its PNG and PDF where this layout puts the parts.
PictureLayout EstimatedPictureLayout(const SvgSurface& graph, const GraphLayout& layout, const UserScale& scale,
                                     const std::vector<LegendRow>& legend, const std::string& title, bool slide);
// The graph's font at kLegendTextScale, regular.
SvgFont EstimatedLegendFont(const SvgFont& graphFont);
// The same picture as SVG.
std::string EstimatedPictureSvg(const SvgSurface& graph, const GraphLayout& layout, const UserScale& scale,
                                const std::vector<LegendRow>& legend, const std::string& title, bool slide);

}  // namespace tervolin
