#pragma once
// The angular graph's teaching views: beside the curves the free electron's curves
// (Thomson, Klein–Nishina), and the distributions per unit solid angle instead of
// per unit angle. The graph keeps every curve computed since it was last cleared in
// all four views (core/distribution_views.h) and draws itself anew from them when a
// view is chosen.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/distribution_views.h"
#include "core/tube_settings.h"
#include "graphs/curve_label.h"
#include "graphs/drawing_surface.h"
#include "graphs/palette.h"

namespace tervolin {

// What the angular graph shows besides the program's curves.
struct AngleGraphChoices {
  bool freeElectronCurves = false;  // the curves' free-electron curves, dashed
  bool perSolidAngle = false;       // per unit solid angle instead of per unit angle
  CurvePalette palette = CurvePalette::kScreen;  // the curves' colours
  bool AnyChosen() const { return freeElectronCurves || perSolidAngle || palette != CurvePalette::kScreen; }
};

// One computed curve in the four views, with its colour and label on the graph, and
// for a spectral curve the settings of the tube whose spectrum it is weighted by.
struct ViewedCurve : DistributionViews {
  Rgb colour;
  CurveLabel label;
  std::optional<TubeFigures> beam = std::nullopt;
};

// Thomson's curve, the same at every energy and over every spectrum.
inline constexpr Rgb kThomsonGrey{80, 80, 80};

// A curve as the graph shows it under the current choices.
struct ShownCurve {
  const AngleTable* values;
  Rgb colour;
  CurveLabel label;  // a free-electron curve's: "自由電子（クライン－仁科）100 keV"
  bool dashed;       // the free-electron curves
  LineStyle style = LineStyle::kSolid;  // as the graph draws it (line_styles.h)
};

class AngleGraphViews {
 public:
  void Add(ViewedCurve curve);
  void Forget();
  const std::vector<ViewedCurve>& Curves() const { return curves_; }

  AngleGraphChoices choices;
  // Called after a curve was added or the curves forgotten (e.g. to update a view
  // of them elsewhere).
  std::function<void()> changed;

  // Each curve in the chosen view and palette, followed by its free-electron curve when chosen
  // and not shown already. Thomson's curve does not depend on the energy: one for
  // every coherent curve, in kThomsonGrey, "自由電子（トムソン散乱）". Klein–Nishina's
  // does: one per photon energy or tube settings, in the colour of its first curve,
  // "自由電子（クライン－仁科）60 keV", its style after the free-electron curves of
  // that colour before it.
  std::vector<ShownCurve> Shown(Language language = Language::kJapanese) const;

 private:
  std::vector<ViewedCurve> curves_;
};

// Draws the angular graph anew from the views: the axes with the chosen y-axis
// title, then every shown curve (the free-electron ones dashed), each followed by
// the frame as the distributions draw it. The graph remembers what it shows.
void RedrawAngleGraph(DrawingSurface& graph, const AngleGraphViews& views);

// A slide's title line: the graph's name, then the kinds of scattering of its curves
// and the views chosen, "散乱角度の確率密度分布　非干渉性散乱・立体角あたり".
std::string AngleGraphTitle(const AngleGraphViews& views, Language language = Language::kJapanese);

// The read-out's lines for the single-energy curves at angle index i (θ = i + 1°):
// "60 keV: x = 2.419 Å⁻¹, E′ = 53.72 keV", E′ when an incoherent curve has that
// energy; one line per energy.
std::string ViewReadOutLines(const std::vector<ViewedCurve>& curves, int index);

}  // namespace tervolin
