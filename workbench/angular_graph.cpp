// The model's graphs: the angular graph's curves, what each graph shows (curves,
// legend, table, read-out, title) and its pictures, and the polar diagram.

#include "core/distribution_views.h"
#include "core/distributions.h"
#include "data/scatterer_data.h"
#include "graphs/angle_graph.h"
#include "graphs/curves_csv.h"
#include "graphs/graph_layout.h"
#include "graphs/polar_diagram.h"
#include "graphs/svg_surface.h"
#include "graphs/user_coordinates.h"
#include "workbench/workbench.h"

namespace tervolin {

namespace {

// Where each graph lies: its layout, user coordinates and size on the screens.
struct GraphPlace {
  const GraphLayout& layout;
  UserScale scale;
  int width, height;  // pixels
};

GraphPlace PlaceOf(GraphKind graph) {
  if (graph == GraphKind::kAngle) return {kAngleGraphLayout, kAngleGraphScale, kAngleGraphPixelWidth, kAngleGraphPixelHeight};
  return {kSpectrumGraphLayout, kSpectrumGraphScale, kSpectrumGraphPixelWidth, kSpectrumGraphPixelHeight};
}

std::vector<PolarCurve> PolarCurvesOf(const std::vector<ShownCurve>& shown, const LabelWording& wording) {
  std::vector<PolarCurve> curves;
  for (const ShownCurve& c : shown) curves.push_back({*c.values, c.colour, LabelText(c.label, wording), c.style});
  return curves;
}

}  // namespace

Outcome<ViewedCurve> Workbench::ComputeCurve(const CurveChoice& choice, const DistributionView& view) {
  if (!scatter_) return Problem{TextId::kCannotCalculate};
  if (auto problem = MissingInput(choice)) return *problem;
  const auto material = LoadMaterialTables(dataFolder_, choice.material, Spectral());
  if (!material) return Unreadable(material.Fault());
  const DistributionRequest request = RequestOf(choice);
  const Outcome<AngleTable> values = Distribution(request, view, material.Value(), AcceptedFluence());
  if (!values) return values.Fault();
  ViewedCurve curve{ComputeDistributionViews(request, view, values.Value(), material.Value(), AcceptedFluence()),
                    PaletteColour(colour_), LabelOf(choice),
                    Spectral() ? std::optional(ReadTubeFigures(acceptedSpectrum_->settings)) : std::nullopt};
  curves_.Add(curve);
  if (comparisonFollows_) (void)Compared(choice);
  const Changes added = Change::kCurves | Change::kCurveAdded;
  Tell(comparisonFollows_ ? added | Change::kComparison : added);
  return curve;
}

void Workbench::ClearCurves() {
  curves_.Forget();
  comparison_ = {};
  Tell(Change::kCurves | Change::kComparison);
}

void Workbench::DrawGraph(GraphKind graph, DrawingSurface& surface) const {
  if (graph == GraphKind::kAngle) {
    RedrawAngleGraph(surface, curves_, language_);
  } else {
    DrawShownSpectra(surface, shownSpectra_, spectrumScale_, language_);
  }
}

void Workbench::DrawAngleCurvesFrom(DrawingSurface& surface, std::size_t first) const {
  PlotShownCurves(surface, curves_, first);
}

std::vector<CurveRecord> Workbench::ShownCurves(GraphKind graph) const {
  if (graph == GraphKind::kAngle) return CurveRecords(curves_.Shown());
  return SpectrumRecords(shownSpectra_, spectrumScale_);
}

std::vector<LegendRow> Workbench::LegendRows(GraphKind graph) const {
  const GraphLayout& layout = PlaceOf(graph).layout;
  return tervolin::LegendRows(layout.axis, ShownCurves(graph), layout.legendShowsMaximum, Wording());
}

std::string Workbench::Csv(GraphKind graph) const {
  return CurvesCsv(PlaceOf(graph).layout.axis, ShownCurves(graph), Wording());
}

std::string Workbench::FileStem(GraphKind graph) const { return GraphFileStem(ShownCurves(graph), Wording()); }

// The angular graph's read-out adds, for its single-energy curves, the momentum
// transfer and the scattered photon's energy at the angle.
std::string Workbench::ReadOut(GraphKind graph, int index) const {
  std::string text = ReadOutText(PlaceOf(graph).layout.axis, index, ShownCurves(graph), Wording());
  const std::string extra = graph == GraphKind::kAngle ? ViewReadOutLines(curves_.Curves(), index) : std::string();
  return extra.empty() ? text : text + "\n" + extra;
}

std::string Workbench::Title(GraphKind graph) const {
  if (graph == GraphKind::kAngle) return AngleGraphTitle(curves_, language_);
  return TextOf(TextId::kSpectrumGraphTitle, language_);
}

SvgFont Workbench::PictureFont(GraphKind graph) const {
  return graph == GraphKind::kAngle ? AngleGraphSvgFont() : SpectrumGraphSvgFont();
}

SvgSurface Workbench::FileGraph(GraphKind graph) const {
  const GraphPlace place = PlaceOf(graph);
  SvgSurface svg(place.scale, place.width, place.height, PictureFont(graph));
  DrawGraph(graph, svg);
  return svg;
}

PictureLayout Workbench::PictureLayoutOf(GraphKind graph, const PictureChoice& choice) const {
  const GraphPlace place = PlaceOf(graph);
  return EstimatedPictureLayout(FileGraph(graph), place.layout, place.scale,
                                choice.legend ? LegendRows(graph) : std::vector<LegendRow>{},
                                choice.title ? Title(graph) : std::string(), choice.slide);
}

std::string Workbench::PictureSvg(GraphKind graph, const PictureChoice& choice) const {
  const GraphPlace place = PlaceOf(graph);
  return EstimatedPictureSvg(FileGraph(graph), place.layout, place.scale,
                             choice.legend ? LegendRows(graph) : std::vector<LegendRow>{},
                             choice.title ? Title(graph) : std::string(), choice.slide);
}

void Workbench::DrawPolar(DrawingSurface& surface, double width, double height, const TextMeasures& text) const {
  DrawPolarDiagram(surface, width, height, PolarCaption(curves_.Choices().views, language_),
                   PolarCurvesOf(curves_.Shown(), Wording()), text, language_);
}

}  // namespace tervolin
