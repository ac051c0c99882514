#include "graphs/graph_legend.h"

#include <algorithm>

#include "core/text_catalogue.h"
#include "core/number_text.h"
#include "graphs/graph_layout.h"

namespace tervolin {

namespace {

std::string MaximumNote(const CurveAxis& axis, const std::vector<double>& values, Language language) {
  if (values.empty()) return {};
  const auto largest = std::max_element(values.begin(), values.end());
  return TextOf(TextId::kPeak, {AbscissaText(axis, static_cast<int>(largest - values.begin()))}, language);
}

}  // namespace

std::vector<LegendRow> LegendRows(const CurveAxis& axis, const std::vector<CurveRecord>& curves,
                                  bool withMaximum, const LabelWording& wording) {
  std::vector<LegendRow> rows;
  for (std::size_t i = 0; i < curves.size(); ++i) {
    rows.push_back({curves[i].colour, CurveTitle(curves, i, wording),
                    withMaximum ? MaximumNote(axis, curves[i].values, wording.language) : std::string(), curves[i].dashed,
                    curves[i].style});
  }
  return rows;
}

std::string ReadOutText(const CurveAxis& axis, int index, const std::vector<CurveRecord>& curves,
                        const LabelWording& wording) {
  std::string text = std::string(axis.symbol) + " = " + AbscissaText(axis, index);
  for (std::size_t i = 0; i < curves.size(); ++i) {
    const std::vector<double>& values = curves[i].values;
    if (index < 0 || static_cast<std::size_t>(index) >= values.size()) continue;
    text += "\n" + CurveTitle(curves, i, wording) + ": " + FixedText(values[index], 3);
  }
  return text;
}

std::optional<int> CurveIndexAt(const GraphLayout& layout, double x, double y) {
  const PlotArea& f = layout.frame;
  const bool inside = x >= std::min(f.left, f.right) && x <= std::max(f.left, f.right) &&
                      y >= std::min(f.top, f.bottom) && y <= std::max(f.top, f.bottom);
  if (!inside) return std::nullopt;
  return NearestIndex(layout.axis, layout.abscissaAtX(x));
}

}  // namespace tervolin
