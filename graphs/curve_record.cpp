#include "graphs/curve_record.h"

#include <algorithm>

namespace tervolin {

std::string CurveTitle(const std::vector<CurveRecord>& curves, std::size_t index, const LabelWording& wording) {
  const std::string text = LabelText(curves[index].label, wording);
  return text.empty() ? TextOf(TextId::kNumberedCurve, {std::to_string(index + 1)}, wording.language) : text;
}

std::string GraphFileStem(const std::vector<CurveRecord>& curves, const LabelWording& wording) {
  const auto computed = std::find_if(curves.rbegin(), curves.rend(), [](const CurveRecord& c) { return !c.dashed; });
  CurveLabel label = computed == curves.rend() ? CurveLabel{} : computed->label;
  if (label.empty()) return LabelFileStem(label, wording);
  // A reference curve's label starts with its kind's name.
  for (const CurveRecord& c : curves) {
    if (c.dashed && !c.label.empty() && std::find(label.begin(), label.end(), c.label.front()) == label.end()) {
      label.push_back(c.label.front());
    }
  }
  return LabelFileStem(label, wording);
}

}  // namespace tervolin
