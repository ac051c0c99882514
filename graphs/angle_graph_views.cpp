#include "graphs/angle_graph_views.h"

#include <algorithm>

#include "core/text_catalogue.h"
#include "graphs/angle_graph.h"
#include "graphs/line_styles.h"

namespace tervolin {

namespace {

CurveLabel WithItem(CurveLabel label, const std::string& item) {
  label.push_back({item, ""});
  return label;
}

// Free-electron curves of one kind of scattering at one energy, or over one
// spectrum, are the same whatever the material: their values are equal.
bool SameFreeElectronCurve(const std::vector<const ViewedCurve*>& referenced, const ViewedCurve& curve,
                           bool perSolidAngle) {
  const AngleTable& values = *curve.In({true, perSolidAngle});
  return std::any_of(referenced.begin(), referenced.end(), [&](const ViewedCurve* shown) {
    return shown->request.scatter == curve.request.scatter && *shown->In({true, perSolidAngle}) == values;
  });
}

bool BothKinds(const std::vector<ViewedCurve>& curves) {
  const auto coherent = [](const ViewedCurve& c) { return c.request.scatter == kCoherent; };
  return std::any_of(curves.begin(), curves.end(), coherent) && !std::all_of(curves.begin(), curves.end(), coherent);
}

// "自由電子 100 keV": the beam's part of the curve's label (what follows the kind of
// scattering and the material), with the kind in front when both kinds are drawn.
CurveLabel FreeElectronLabel(const ViewedCurve& curve, bool perSolidAngle, bool withKind) {
  CurveLabel label;
  if (withKind && !curve.label.empty()) label.push_back(curve.label.front());
  label.push_back({TextOf(TextId::kFreeElectron), ""});
  if (curve.label.size() > 2) label.insert(label.end(), curve.label.begin() + 2, curve.label.end());
  return perSolidAngle ? WithItem(label, TextOf(TextId::kPerSolidAngle)) : label;
}

}  // namespace

void AngleGraphViews::Add(ViewedCurve curve) {
  curves_.push_back(std::move(curve));
  if (changed) changed();
}

void AngleGraphViews::Forget() {
  curves_.clear();
  if (changed) changed();
}

std::vector<ShownCurve> AngleGraphViews::Shown() const {
  std::vector<ShownCurve> shown;
  const bool perSolidAngle = choices.perSolidAngle;
  std::vector<const ViewedCurve*> referenced;  // those whose free-electron curve is shown
  for (const ViewedCurve& c : curves_) {
    const CurveLabel label = perSolidAngle ? WithItem(c.label, TextOf(TextId::kPerSolidAngle)) : c.label;
    if (const auto& atom = c.In({false, perSolidAngle})) {
      const auto same = std::count_if(shown.begin(), shown.end(),
                                      [&c](const ShownCurve& s) { return !s.dashed && s.colour == c.colour; });
      shown.push_back({&*atom, c.colour, label, false, LineStyleAfter(static_cast<std::size_t>(same))});
    }
    const auto& free = c.In({true, perSolidAngle});
    if (!choices.freeElectronCurves || !free || SameFreeElectronCurve(referenced, c, perSolidAngle)) continue;
    referenced.push_back(&c);
    shown.push_back({&*free, c.colour, FreeElectronLabel(c, perSolidAngle, BothKinds(curves_)), true});
  }
  return shown;
}

void RedrawAngleGraph(DrawingSurface& graph, const AngleGraphViews& views) {
  DrawAngleAxes(graph, views.choices.perSolidAngle);
  DrawGraphFrame(graph);
  for (const ShownCurve& c : views.Shown()) {
    const bool fromOrigin = !views.choices.perSolidAngle;
    if (c.dashed) {
      PlotDashedAngleCurve(graph, *c.values, c.colour, c.label, fromOrigin);
    } else {
      PlotAngleCurve(graph, *c.values, c.colour, c.label, fromOrigin);
    }
  }
}

std::string ViewReadOutLines(const std::vector<ViewedCurve>& curves, int index) {
  std::vector<DistributionRequest> requests;
  for (const ViewedCurve& c : curves) requests.push_back(c.request);
  return EnergyReadOutLines(requests, index);
}

}  // namespace tervolin
