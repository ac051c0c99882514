#pragma once
// The angular graph's teaching views (core/views.h): beside the curves the free
// electron's curves (Thomson, Klein–Nishina), and the distributions per unit solid
// angle instead of per unit angle. The graph keeps every curve computed since it was
// last cleared in every set of views (core/distribution_views.h) and is drawn anew
// from them.

#include <optional>
#include <string>
#include <vector>

#include "core/distribution_views.h"
#include "core/tube_settings.h"
#include "graphs/curve_label.h"
#include "graphs/curve_record.h"
#include "graphs/drawing_surface.h"
#include "graphs/palette.h"

namespace tervolin {

// What the angular graph shows besides the program's curves.
struct AngleGraphChoices {
  ViewSet views;                                 // the free-electron curves dashed, per unit solid angle
  CurvePalette palette = CurvePalette::kScreen;  // the curves' colours
  friend bool operator==(const AngleGraphChoices&, const AngleGraphChoices&) = default;
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
  void Add(ViewedCurve curve) { curves_.push_back(std::move(curve)); }
  void Forget() { curves_.clear(); }
  const std::vector<ViewedCurve>& Curves() const { return curves_; }
  void Choose(const AngleGraphChoices& choices) { choices_ = choices; }
  const AngleGraphChoices& Choices() const { return choices_; }

  // Each curve in the chosen views and palette, its label with the views' terms,
  // followed by its free-electron curve when chosen and not shown already. Thomson's
  // curve does not depend on the energy: one for every coherent curve, in
  // kThomsonGrey, "自由電子（トムソン散乱）". Klein–Nishina's does: one per photon
  // energy or tube settings, in the colour of its first curve, "自由電子（クライン－
  // 仁科）60 keV", its style after the free-electron curves of that colour before it.
  std::vector<ShownCurve> Shown() const;

 private:
  std::vector<ViewedCurve> curves_;
  AngleGraphChoices choices_;
};

// The shown curves as the legend, the table and the read-out take them.
std::vector<CurveRecord> CurveRecords(const std::vector<ShownCurve>& shown);

// Draws the angular graph anew from the views: the axes with the chosen y-axis
// title, then every shown curve (PlotShownCurves).
void RedrawAngleGraph(DrawingSurface& graph, const AngleGraphViews& views, Language language);
// The shown curves from the `first` on (the free-electron ones dashed), each followed
// by the frame as the distributions draw it, over the graph drawn with those before.
void PlotShownCurves(DrawingSurface& graph, const AngleGraphViews& views, std::size_t first);

// A slide's title line: the graph's name, then the kinds of scattering of its curves
// and the views chosen, "散乱角度の確率密度分布　非干渉性散乱・立体角あたり".
std::string AngleGraphTitle(const AngleGraphViews& views, Language language);

// The read-out's lines for the single-energy curves at angle index i (θ = i + 1°):
// "60 keV: x = 2.419 Å⁻¹, E′ = 53.72 keV", E′ when an incoherent curve has that
// energy; one line per energy.
std::string ViewReadOutLines(const std::vector<ViewedCurve>& curves, int index);

}  // namespace tervolin
