#include "graphs/graph_picture.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/number_text.h"
#include "graphs/spectrum_graph.h"

namespace tervolin {

namespace {

// Between the frame and the legend, and around a file's picture, pixels at the
// graph's size.
inline constexpr double kLegendGap = 12;
// Around the graph and legend on screen when the plot makes room for the legend.
inline constexpr double kScreenMargin = 6;
// On a slide: the legend's text and the title's against the smallest text.
inline constexpr double kSlideLegendText = 1.0;
inline constexpr double kSlideTitleText = 1.4;
// A graph this much of the largest is as good, when its legend breaks fewer titles.
inline constexpr double kSlideNearlyAsLarge = 0.9;
// The shares of the width tried for the legend beside the graph: a narrower legend
// runs over more lines and leaves the graph more room.
inline constexpr double kSlideLegendShares[] = {0.22, 0.26, 0.3, 0.33, 0.36, 0.4, 0.43, 0.46, 0.5, 0.55};

LegendSize Scaled(LegendSize size, double scale) { return {size.width * scale, size.height * scale}; }

struct Arrangement {
  LegendSide side;
  std::vector<LegendRow> rows;
  LegendMeasures measures;
  LegendSize size;  // in the picture, pixels
  double graphScale;
  bool cut = false;  // a title cut short to fit
};

bool AnyCut(const std::vector<LegendRow>& rows, const std::vector<LegendRow>& fitted) {
  const auto cut = [](const LegendRow& row) { return row.title.find("…") != std::string::npos; };
  return std::count_if(fitted.begin(), fitted.end(), cut) > std::count_if(rows.begin(), rows.end(), cut);
}

Arrangement Fitted(const PictureRequest& r, LegendSide side, double maxWidth, double scale) {
  std::vector<LegendRow> rows = FitLegendRows(r.legend, r.legendFont, maxWidth / scale);
  const LegendMeasures measures = MeasureLegendRows(rows, r.legendFont);
  const LegendSize size = Scaled(LegendBoxSize(measures, rows), scale);
  const bool cut = AnyCut(r.legend, rows);
  return {side, std::move(rows), measures, size, 1.0, cut};
}

// The legend of a picture at the graph's own size, beside the frame level with its
// top, or below the graph's area; the picture grows to hold it.
void PlaceNaturalLegend(PictureLayout& layout, const Arrangement& a, const GraphArea& g) {
  const double top = layout.graphAt.y;
  if (a.side == LegendSide::kBeside) {
    layout.legendAt = {g.frame.left + g.frame.width + kLegendGap, top + g.frame.top};
    layout.width = std::max(g.width, layout.legendAt.x + a.size.width + kLegendGap);
    layout.height = std::max(layout.height, layout.legendAt.y + a.size.height + kLegendGap);
  } else {
    layout.legendAt = {g.frame.left, top + g.height};
    layout.height = layout.legendAt.y + a.size.height + kLegendGap;
  }
}

// The graph at its own size: the legend beside the frame when it is no taller than
// the frame's top to the area's bottom, else below the area; no wider than the frame.
PictureLayout NaturalLayout(const PictureRequest& r) {
  const GraphArea& g = r.graph;
  const double titleHeight = r.title.empty() ? 0 : r.titleFont.height + kLegendGap;
  PictureLayout layout{g.width, g.height + titleHeight, {0, titleHeight}, 1, LegendSide::kNone, {}, {}, {}, 1,
                       r.title, {(g.width - r.titleFont.width(r.title)) / 2, kLegendGap / 2}, 1};
  if (r.legend.empty()) return layout;
  Arrangement a = Fitted(r, LegendSide::kBeside, g.frame.width, 1);
  if (a.size.height > g.height - g.frame.top) a.side = LegendSide::kBelow;
  PlaceNaturalLegend(layout, a, g);
  layout.side = a.side;
  layout.legendRows = std::move(a.rows);
  layout.legendMeasures = a.measures;
  return layout;
}

// A slide's two arrangements: the legend beside the graph or below it, each with the
// graph as large as the rest of the slide allows.
Arrangement SlideArrangement(const PictureRequest& r, LegendSide side, LegendSize room, double margin,
                             double legendScale, double legendWidth) {
  const GraphArea& g = r.graph;
  if (r.legend.empty()) return {LegendSide::kNone, {}, {}, {0, 0}, std::min(room.width / g.width, room.height / g.height)};
  const bool beside = side == LegendSide::kBeside;
  Arrangement a = Fitted(r, side, legendWidth, legendScale);
  if (beside) {
    a.graphScale = std::min((room.width - a.size.width - margin) / g.width, room.height / g.height);
    if (a.size.height > room.height) a.graphScale = 0;
  } else {
    a.graphScale = std::min(room.width / g.width, (room.height - a.size.height - margin) / g.height);
  }
  return a;
}

// Whether `a` is the better slide: its graph's text large enough, its titles whole,
// then the larger graph.
bool Better(const Arrangement& a, const Arrangement& b, double smallestScale) {
  const bool aLegible = a.graphScale >= smallestScale, bLegible = b.graphScale >= smallestScale;
  if (aLegible != bLegible) return aLegible;
  if (a.cut != b.cut) return !a.cut;
  return a.graphScale > b.graphScale;
}

// Of the slide's arrangements the best; of those whose graph is nearly as large, the
// one whose legend breaks the fewest titles.
Arrangement BestArrangement(const std::vector<Arrangement>& all, double smallestScale) {
  const Arrangement* best = &all.front();
  for (const Arrangement& a : all) best = Better(a, *best, smallestScale) ? &a : best;
  const Arrangement* chosen = best;
  for (const Arrangement& a : all) {
    const bool asGood = a.cut == best->cut && a.graphScale >= kSlideNearlyAsLarge * best->graphScale &&
                        (a.graphScale >= smallestScale || best->graphScale < smallestScale);
    if (asGood && a.size.height < chosen->size.height) chosen = &a;
  }
  return *chosen;
}

// A picture of a fixed size: its margin, the legend's and the title's scales, and
// the smallest scale at which the graph's text is large enough.
struct Canvas {
  double width, height, margin, legendScale, titleScale, legibleScale;
  double legendWidth = std::numeric_limits<double>::infinity();  // the widest the legend may be
};

// The graph and legend centred in the room below the title: the legend below the
// graph, or beside it level with the frame's top (higher when it would reach below).
void PlaceOnCanvas(PictureLayout& layout, const Arrangement& a, const GraphArea& g, double top, LegendSize room,
                   double gap) {
  const double s = a.graphScale;
  if (a.side == LegendSide::kBelow) {
    const double height = g.height * s + gap + a.size.height;
    layout.graphAt = {(layout.width - g.width * s) / 2, top + (room.height - height) / 2};
    layout.legendAt = {(layout.width - a.size.width) / 2, layout.graphAt.y + g.height * s + gap};
    return;
  }
  const double width = g.width * s + (a.side == LegendSide::kBeside ? gap + a.size.width : 0);
  layout.graphAt = {(layout.width - width) / 2, top + (room.height - g.height * s) / 2};
  const double legendTop = std::min(layout.graphAt.y + g.frame.top * s, top + room.height - a.size.height);
  layout.legendAt = {layout.graphAt.x + g.width * s + gap, legendTop};
}

// The graph as large as the canvas allows beside or below its legend.
PictureLayout CanvasLayout(const PictureRequest& r, const Canvas& c) {
  const double titleHeight = r.title.empty() ? 0 : r.titleFont.height * c.titleScale;
  const double top = c.margin + titleHeight;
  const LegendSize room{c.width - 2 * c.margin, c.height - top - c.margin};
  std::vector<Arrangement> all{
      SlideArrangement(r, LegendSide::kBelow, room, c.margin, c.legendScale, std::min(room.width, c.legendWidth))};
  for (const double share : kSlideLegendShares) {
    const double width = std::min(room.width * share, c.legendWidth);
    all.push_back(SlideArrangement(r, LegendSide::kBeside, room, c.margin, c.legendScale, width));
  }
  const Arrangement a = BestArrangement(all, c.legibleScale);
  PictureLayout layout{c.width, c.height, {}, a.graphScale, a.side, a.rows, a.measures, {}, c.legendScale,
                       r.title, {(c.width - r.titleFont.width(r.title) * c.titleScale) / 2, c.margin / 2}, c.titleScale};
  PlaceOnCanvas(layout, a, r.graph, top, room, c.margin / 2);
  return layout;
}

PictureLayout SlideLayout(const PictureRequest& r) {
  const double smallest = kSlideHeight * kSlideSmallestText;
  return CanvasLayout(r, {kSlideWidth, kSlideHeight, smallest, smallest * kSlideLegendText / r.legendPixels,
                          smallest * kSlideTitleText / r.titlePixels, smallest / r.graph.smallestText});
}

std::string Number(double value) { return FixedText(value, 2); }

// The scale rounded up to its fourth decimal, so that no text comes out smaller than laid out.
std::string Placed(PixelPoint at, double scale, const std::string& elements, const std::string& attributes = "") {
  const std::string scaleText = FixedText(std::ceil(scale * 1e4) / 1e4, 4);
  return "<g transform=\"translate(" + Number(at.x) + " " + Number(at.y) + ") scale(" + scaleText + ")\"" +
         attributes + ">\n" + elements + "</g>\n";
}

std::string LegendSvg(const PictureLayout& layout, const SvgFont& font) {
  if (layout.legendRows.empty()) return {};
  const LegendSize size = LegendBoxSize(layout.legendMeasures, layout.legendRows);
  const int w = static_cast<int>(std::ceil(size.width)) + 1, h = static_cast<int>(std::ceil(size.height)) + 1;
  SvgSurface legend({0, 0, double(w), double(h)}, w, h, font);
  DrawLegendBox(legend, layout.legendRows, layout.legendMeasures, {0, 0});
  return Placed(layout.legendAt, layout.legendScale, legend.Elements(),
                " font-weight=\"" + std::string(font.bold ? "bold" : "normal") + "\"");
}

std::string TitleSvg(const PictureLayout& layout, const SvgFont& font) {
  if (layout.title.empty()) return {};
  SvgSurface title({0, 0, 1, 1}, 1, 1, font);
  title.Print(0, 0, layout.title);
  return Placed(layout.titleAt, layout.titleScale, title.Elements());
}

}  // namespace

SvgFont AngleGraphSvgFont() { return {"Meiryo, 'Noto Sans CJK JP', 'Noto Sans JP', sans-serif", 19.0}; }

// Where MS PGothic is missing, the bold Noto CJK face is about a tenth wider: drawn a
// tenth narrower, the fluence axis's title keeps clear of the frame as on the screen.
SvgFont SpectrumGraphSvgFont() {
  return {"'MS PGothic', 'Noto Sans CJK JP', 'Noto Sans JP', sans-serif", 21.0, true, kSpectrumSubstituteStretch};
}

PictureLayout LayOutPicture(const PictureRequest& request) {
  return request.slide ? SlideLayout(request) : NaturalLayout(request);
}

std::optional<PictureLayout> LayOutPictureMakingRoom(const PictureRequest& request) {
  PictureRequest untitled = request;
  untitled.title.clear();
  const GraphArea& g = request.graph;
  PictureLayout room = CanvasLayout(untitled, {g.width, g.height, kScreenMargin, 1, 1, 0, g.frame.width});
  if (room.graphScale < kSmallestPlotMakingRoom) return std::nullopt;
  return room;
}

LegendSize PlacedLegendSize(const PictureLayout& layout) {
  if (layout.legendRows.empty()) return {0, 0};
  return Scaled(LegendBoxSize(layout.legendMeasures, layout.legendRows), layout.legendScale);
}

double SmallestTextScale(const DrawingOperations& operations) {
  DrawingState state;
  double smallest = 0;
  for (const DrawingOperation& op : operations) {
    if (state.Take(op) || op.kind != DrawingKind::kPrint) continue;
    smallest = smallest == 0 ? state.textScale : std::min(smallest, state.textScale);
  }
  return smallest == 0 ? 1 : smallest;
}

std::string PictureSvgDocument(const SvgSurface& graph, const PictureLayout& layout, const SvgFont& legendFont) {
  const std::string w = std::to_string(static_cast<int>(std::ceil(layout.width)));
  const std::string h = std::to_string(static_cast<int>(std::ceil(layout.height)));
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + w +
         "\" height=\"" + h + "\" viewBox=\"0 0 " + w + " " + h + "\"" + SvgFontAttributes(graph.Font()) + ">\n<rect width=\"" + w +
         "\" height=\"" + h + "\" fill=\"#ffffff\"/>\n" + Placed(layout.graphAt, layout.graphScale, graph.Elements()) +
         LegendSvg(layout, legendFont) + TitleSvg(layout, graph.Font()) + "</svg>\n";
}

SvgFont EstimatedLegendFont(const SvgFont& graphFont) {
  SvgFont legendFont = graphFont;
  legendFont.pixels *= kLegendTextScale;
  legendFont.bold = false;
  return legendFont;
}

PictureLayout EstimatedPictureLayout(const SvgSurface& graph, const GraphLayout& layout, const UserScale& scale,
                                     const std::vector<LegendRow>& legend, const std::string& title, bool slide) {
  const double width = graph.PixelWidth(), height = graph.PixelHeight();
  const PixelPoint a = UserToPixel(scale, width, height, layout.frame.left, layout.frame.top);
  const PixelPoint b = UserToPixel(scale, width, height, layout.frame.right, layout.frame.bottom);
  const double legendPixels = EstimatedLegendFont(graph.Font()).pixels, pixels = graph.Font().pixels;
  const PictureRequest request{
      {width, height, {a.x, a.y, b.x - a.x, b.y - a.y}, pixels * SmallestTextScale(graph.Operations())},
      legend, EstimatedTextMeasures(legendPixels), legendPixels, title, EstimatedTextMeasures(pixels), pixels, slide};
  return LayOutPicture(request);
}

std::string EstimatedPictureSvg(const SvgSurface& graph, const GraphLayout& layout, const UserScale& scale,
                                const std::vector<LegendRow>& legend, const std::string& title, bool slide) {
  return PictureSvgDocument(graph, EstimatedPictureLayout(graph, layout, scale, legend, title, slide),
                            EstimatedLegendFont(graph.Font()));
}

}  // namespace tervolin
