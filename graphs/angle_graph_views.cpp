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

// The free electron's curve of `a` is that of `b`: Thomson's is the same at every
// energy; Klein–Nishina's is the same at one photon energy or for one tube's settings.
bool SameFreeElectronCurve(const ViewedCurve& a, const ViewedCurve& b) {
  if (a.request.scatter != b.request.scatter) return false;
  if (a.request.scatter == kCoherent) return true;
  if (a.request.energyMode != b.request.energyMode) return false;
  return a.request.energyMode == kSpectral ? a.beam == b.beam : a.request.energyKeV == b.request.energyKeV;
}

// "自由電子（トムソン散乱）", or "自由電子（クライン－仁科）100 keV" with the beam's part of
// the curve's label (what follows the kind of scattering and the material).
CurveLabel FreeElectronLabel(const ViewedCurve& curve, bool perSolidAngle, Language language) {
  const bool thomson = curve.request.scatter == kCoherent;
  CurveLabel label{{TextOf(thomson ? TextId::kThomsonCurve : TextId::kKleinNishinaCurve, language), ""}};
  if (!thomson && curve.label.size() > 2) {
    label.insert(label.end(), curve.label.begin() + 2, curve.label.end());
    label[1].attached = true;
  }
  return perSolidAngle ? WithItem(label, TextOf(TextId::kPerSolidAngle, language)) : label;
}

std::size_t SameColourCount(const std::vector<ShownCurve>& shown, Rgb colour, bool dashed) {
  return static_cast<std::size_t>(std::count_if(
      shown.begin(), shown.end(), [&](const ShownCurve& s) { return s.dashed == dashed && s.colour == colour; }));
}

ShownCurve FreeElectronShown(const AngleTable& values, const ViewedCurve& curve, const AngleGraphChoices& choices,
                             const std::vector<ShownCurve>& shown, Language language) {
  const bool perSolidAngle = choices.perSolidAngle;
  const Rgb colour = curve.request.scatter == kCoherent ? kThomsonGrey : ShownColour(curve.colour, choices.palette);
  return {&values, colour, FreeElectronLabel(curve, perSolidAngle, language), true,
          ReferenceStyleAfter(SameColourCount(shown, colour, true))};
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

std::vector<ShownCurve> AngleGraphViews::Shown(Language language) const {
  std::vector<ShownCurve> shown;
  const bool perSolidAngle = choices.perSolidAngle;
  for (auto c = curves_.begin(); c != curves_.end(); ++c) {
    const CurveLabel label = perSolidAngle ? WithItem(c->label, TextOf(TextId::kPerSolidAngle, language)) : c->label;
    if (const auto& atom = c->In({false, perSolidAngle})) {
      const Rgb colour = ShownColour(c->colour, choices.palette);
      shown.push_back({&*atom, colour, label, false, LineStyleAfter(SameColourCount(shown, colour, false))});
    }
    const auto& free = c->In({true, perSolidAngle});
    const auto shownBefore = [&](const ViewedCurve& b) {
      return b.In({true, perSolidAngle}) && SameFreeElectronCurve(b, *c);
    };
    if (!choices.freeElectronCurves || !free || std::any_of(curves_.begin(), c, shownBefore)) continue;
    shown.push_back(FreeElectronShown(*free, *c, choices, shown, language));
  }
  return shown;
}

void RedrawAngleGraph(DrawingSurface& graph, const AngleGraphViews& views) {
  DrawAngleAxes(graph, views.choices.perSolidAngle);
  DrawGraphFrame(graph);
  for (const ShownCurve& c : views.Shown(graph.TextLanguage())) {
    const bool fromOrigin = !views.choices.perSolidAngle;
    if (c.dashed) {
      PlotDashedAngleCurve(graph, *c.values, c.colour, c.label, fromOrigin, c.style);
    } else {
      PlotAngleCurve(graph, *c.values, c.colour, c.label, fromOrigin);
    }
  }
}

std::string AngleGraphTitle(const AngleGraphViews& views, Language language) {
  std::vector<std::string> parts;
  for (const ScatterKind kind : {kCoherent, kIncoherent}) {
    const auto ofKind = [kind](const ViewedCurve& c) { return c.request.scatter == kind; };
    if (std::any_of(views.Curves().begin(), views.Curves().end(), ofKind)) {
      parts.push_back(TextOf(kind == kCoherent ? TextId::kCoherentScattering : TextId::kIncoherentScattering, language));
    }
  }
  if (views.choices.perSolidAngle) parts.push_back(TextOf(TextId::kPerSolidAngle, language));
  if (views.choices.freeElectronCurves) parts.push_back(TextOf(TextId::kFreeElectronView, language));
  std::string joined;
  for (const std::string& part : parts) joined += (joined.empty() ? "" : TextOf(TextId::kItemJoiner, language)) + part;
  const std::string graph = TextOf(TextId::kAngleGraphTitle, language);
  return joined.empty() ? graph : TextOf(TextId::kTitleWithParts, {graph, joined}, language);
}

std::string ViewReadOutLines(const std::vector<ViewedCurve>& curves, int index) {
  std::vector<DistributionRequest> requests;
  for (const ViewedCurve& c : curves) requests.push_back(c.request);
  return EnergyReadOutLines(requests, index);
}

}  // namespace tervolin
