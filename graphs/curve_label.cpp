#include "graphs/curve_label.h"

#include <algorithm>
#include <string_view>

#include "core/energy_tables.h"

namespace tervolin {

namespace {

// The typed text without the blanks around it.
std::string Trimmed(const std::string& text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  const auto first = std::find_if_not(text.begin(), text.end(), blank);
  const auto last = std::find_if_not(text.rbegin(), text.rend(), blank).base();
  return first < last ? std::string(first, last) : std::string();
}

const char* ScatterName(int scatterType) {
  return scatterType == kCoherent ? "干渉性散乱" : "非干渉性散乱";
}

bool AttachesDirectly(const std::string& unit) { return unit.rfind("°", 0) == 0; }

bool RefusedInFileNames(char c) {
  return std::string_view("/\\:*?\"<>| \t\r\n").find(c) != std::string_view::npos ||
         static_cast<unsigned char>(c) < 0x20;
}

}  // namespace

CurveLabel SpectrumLabel(const TubeSettings& c) {
  return {{Trimmed(c.tubeVoltage), "kV"}, {Trimmed(c.targetAngle), "°"},
          {Trimmed(c.inherentFiltration), "mmAl"}, {"Al", ""},
          {Trimmed(c.aluminiumFilter), "mm"}, {"Cu", ""},
          {Trimmed(c.copperFilter), "mm"}};
}

CurveLabel MonoenergeticLabel(int scatterType, const std::string& material, const std::string& energyKev) {
  return {{ScatterName(scatterType), ""}, {Trimmed(material), ""}, {Trimmed(energyKev), "keV"}};
}

CurveLabel SpectralLabel(int scatterType, const std::string& material, const TubeSettings& conditions) {
  CurveLabel label{{ScatterName(scatterType), ""}, {Trimmed(material), ""}};
  const CurveLabel spectrum = SpectrumLabel(conditions);
  label.insert(label.end(), spectrum.begin(), spectrum.end());
  return label;
}

std::string LabelText(const CurveLabel& label) {
  std::string text;
  for (const LabelItem& item : label) {
    if (!text.empty()) text += ' ';
    text += item.value;
    if (!item.unit.empty() && !AttachesDirectly(item.unit)) text += ' ';
    text += item.unit;
  }
  return text;
}

std::string LabelFileStem(const CurveLabel& label) {
  std::string stem;
  for (const LabelItem& item : label) {
    if (!stem.empty()) stem += '_';
    stem += item.value + item.unit;
  }
  std::replace_if(stem.begin(), stem.end(), RefusedInFileNames, '_');
  return stem.empty() ? "グラフ" : stem;
}

}  // namespace tervolin
