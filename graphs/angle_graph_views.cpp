#include "graphs/angle_graph_views.h"

#include <algorithm>

#include "core/text_catalogue.h"
#include "graphs/angle_graph.h"
#include "graphs/line_styles.h"

namespace tervolin {

namespace {

// The label with the terms of the chosen views that name theirs in labels.
CurveLabel WithTerms(CurveLabel label, const ViewSet& views) {
  for (const ViewEntry& v : kViews) {
    if (v.inLabels && views.Has(v.view)) label.push_back(WordItem(v.term));
  }
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
CurveLabel FreeElectronLabel(const ViewedCurve& curve, const ViewSet& views) {
  const bool thomson = curve.request.scatter == kCoherent;
  CurveLabel label{WordItem(thomson ? TextId::kThomsonCurve : TextId::kKleinNishinaCurve)};
  if (!thomson && curve.label.size() > 2) {
    label.insert(label.end(), curve.label.begin() + 2, curve.label.end());
    label[1].attached = true;
  }
  return WithTerms(label, views);
}

std::size_t SameColourCount(const std::vector<ShownCurve>& shown, Rgb colour, bool dashed) {
  return static_cast<std::size_t>(std::count_if(
      shown.begin(), shown.end(), [&](const ShownCurve& s) { return s.dashed == dashed && s.colour == colour; }));
}

ShownCurve FreeElectronShown(const AngleTable& values, const ViewedCurve& curve, const AngleGraphChoices& choices,
                             const std::vector<ShownCurve>& shown) {
  const Rgb colour = curve.request.scatter == kCoherent ? kThomsonGrey : ShownColour(curve.colour, choices.palette);
  return {&values, colour, FreeElectronLabel(curve, choices.views), true,
          ReferenceStyleAfter(SameColourCount(shown, colour, true))};
}

}  // namespace

std::vector<ShownCurve> AngleGraphViews::Shown() const {
  std::vector<ShownCurve> shown;
  const ViewSet atomViews = choices_.views.With(View::kFreeElectron, false);
  const ViewSet freeViews = atomViews.With(View::kFreeElectron);
  for (auto c = curves_.begin(); c != curves_.end(); ++c) {
    if (const auto& atom = c->In(atomViews)) {
      const Rgb colour = ShownColour(c->colour, choices_.palette);
      shown.push_back({&*atom, colour, WithTerms(c->label, atomViews), false,
                       LineStyleAfter(SameColourCount(shown, colour, false))});
    }
    const auto& free = c->In(freeViews);
    const auto shownBefore = [&](const ViewedCurve& b) { return b.In(freeViews) && SameFreeElectronCurve(b, *c); };
    if (!choices_.views.Has(View::kFreeElectron) || !free || std::any_of(curves_.begin(), c, shownBefore)) continue;
    shown.push_back(FreeElectronShown(*free, *c, choices_, shown));
  }
  return shown;
}

std::vector<CurveRecord> CurveRecords(const std::vector<ShownCurve>& shown) {
  std::vector<CurveRecord> records;
  for (const ShownCurve& c : shown) {
    records.push_back({std::vector<double>(c.values->begin() + 1, c.values->end()), c.colour, c.label, c.dashed, c.style});
  }
  return records;
}

void RedrawAngleGraph(DrawingSurface& graph, const AngleGraphViews& views, Language language) {
  DrawAngleAxes(graph, views.Choices().views, language);
  DrawGraphFrame(graph);
  PlotShownCurves(graph, views, 0);
}

void PlotShownCurves(DrawingSurface& graph, const AngleGraphViews& views, std::size_t first) {
  // Per unit solid angle a curve's value at 0° is not 0.
  const bool fromOrigin = !views.Choices().views.Has(View::kPerSolidAngle);
  const std::vector<ShownCurve> shown = views.Shown();
  for (std::size_t i = first; i < shown.size(); ++i) {
    const ShownCurve& c = shown[i];
    if (c.dashed) {
      PlotDashedAngleCurve(graph, *c.values, c.colour, c.style, fromOrigin);
    } else {
      PlotAngleCurve(graph, *c.values, c.colour, c.style, fromOrigin);
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
  for (const ViewEntry& v : kViews) {
    if (views.Choices().views.Has(v.view)) parts.push_back(TextOf(v.term, language));
  }
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
