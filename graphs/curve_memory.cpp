#include "graphs/curve_memory.h"

namespace tervolin {

void CurveMemory::LabelFrom(std::size_t first, const CurveLabel& label) {
  for (std::size_t i = first; i < curves_.size(); ++i) curves_[i].label = label;
}

std::string CurveTitle(const std::vector<CurveRecord>& curves, std::size_t index) {
  const std::string text = LabelText(curves[index].label);
  return text.empty() ? "曲線 " + std::to_string(index + 1) : text;
}

}  // namespace tervolin
