#include "graphs/curve_memory.h"

#include <algorithm>

namespace tervolin {

void CurveMemory::LabelFrom(std::size_t first, const CurveLabel& label) {
  for (std::size_t i = first; i < curves_.size(); ++i) curves_[i].label = label;
}

std::string CurveTitle(const std::vector<CurveRecord>& curves, std::size_t index, Language language) {
  const std::string text = LabelText(curves[index].label, language);
  return text.empty() ? TextOf(TextId::kNumberedCurve, {std::to_string(index + 1)}, language) : text;
}

std::string GraphFileStem(const std::vector<CurveRecord>& curves, Language language) {
  const auto computed = std::find_if(curves.rbegin(), curves.rend(), [](const CurveRecord& c) { return !c.dashed; });
  CurveLabel label = computed == curves.rend() ? CurveLabel{} : computed->label;
  if (label.empty()) return LabelFileStem(label, language);
  // A reference curve's label starts with its kind's name.
  for (const CurveRecord& c : curves) {
    if (c.dashed && !c.label.empty() && std::find(label.begin(), label.end(), c.label.front()) == label.end()) {
      label.push_back(c.label.front());
    }
  }
  return LabelFileStem(label, language);
}

}  // namespace tervolin
