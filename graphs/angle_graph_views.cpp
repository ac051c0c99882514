#include "graphs/angle_graph_views.h"

#include <algorithm>

#include "graphs/angle_graph.h"
#include "core/angle_readout.h"
#include "graphs/curve_axis.h"
#include "graphs/line_styles.h"
#include "core/failure_rule.h"
#include "core/number_text.h"

namespace tervolin {

namespace {

inline constexpr DistributionView kAllViews[] = {{false, false}, {true, false}, {false, true}, {true, true}};

std::optional<AngleTable> TryCompute(const DistributionRequest& request, const DistributionView& view,
                                     const MaterialTables& material, const EnergyTable& fluence) {
  const Outcome<AngleTable> values = Distribution(request, view, material, fluence);
  if (!values) return std::nullopt;
  return values.Value();
}

CurveLabel WithItem(CurveLabel label, const char* item) {
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
  label.push_back({"自由電子", ""});
  if (curve.label.size() > 2) label.insert(label.end(), curve.label.begin() + 2, curve.label.end());
  return perSolidAngle ? WithItem(label, "立体角あたり") : label;
}

bool HasIncoherentAt(const std::vector<ViewedCurve>& curves, double energy) {
  for (const ViewedCurve& c : curves) {
    if (c.request.energyMode == kSingleEnergy && c.request.scatter == kIncoherent && c.request.energyKeV == energy) {
      return true;
    }
  }
  return false;
}

// "60 keV: x = 2.419 Å⁻¹" and, with E′, ", E′ = 53.72 keV".
std::string EnergyLine(double energy, int degrees, bool withScattered) {
  std::string line = ShortestText(energy) + " keV: x = " + FixedText(MomentumTransferAtAngle(energy, degrees), 3) + " Å⁻¹";
  if (withScattered) line += ", E′ = " + FixedText(ScatteredPhotonEnergy(energy, degrees), 2) + " keV";
  return line;
}

}  // namespace

int ViewIndex(const DistributionView& view) { return (view.freeElectron ? 1 : 0) + (view.perSolidAngle ? 2 : 0); }

const std::optional<AngleTable>& ViewedCurve::In(const DistributionView& view) const { return views[ViewIndex(view)]; }

ViewedCurve ViewCurve(const DistributionRequest& request, const AngleTable& drawn, Rgb colour, CurveLabel label,
                      const MaterialTables& material, const EnergyTable& fluence) {
  ViewedCurve curve{request, colour, std::move(label), {}};
  curve.views[0] = drawn;
  for (int v = 1; v < 4; ++v) curve.views[v] = TryCompute(request, kAllViews[v], material, fluence);
  return curve;
}

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
    const CurveLabel label = perSolidAngle ? WithItem(c.label, "立体角あたり") : c.label;
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
  std::string lines;
  std::vector<double> energies;
  for (const ViewedCurve& c : curves) {
    const double energy = c.request.energyKeV;
    if (c.request.energyMode != kSingleEnergy || std::find(energies.begin(), energies.end(), energy) != energies.end()) {
      continue;
    }
    energies.push_back(energy);
    // A drawn curve's energy is a usable one: these lines cannot fail.
    lines += (lines.empty() ? "" : "\n") + EnergyLine(energy, index + 1, HasIncoherentAt(curves, energy));
  }
  return lines;
}

}  // namespace tervolin
