#pragma once
// The label of a drawn curve, made of the quantities that tell it apart (kind of
// scattering, material, photon energy or the tube's exposure conditions), each
// kept as the user typed it so the label reads as the screen did.

#include <string>
#include <vector>

#include "core/tube_settings.h"

namespace tervolin {

// One part of a label: a value and its unit ("100", "keV"), or a word with no unit.
struct LabelItem {
  std::string value;
  std::string unit;
  friend bool operator==(const LabelItem&, const LabelItem&) = default;
};

using CurveLabel = std::vector<LabelItem>;

// "100 kV 12° 2.5 mmAl Al 0 mm Cu 0 mm".
CurveLabel SpectrumLabel(const TubeSettings& conditions);

// "干渉性散乱 鉄 100 keV" for one photon energy (typed in keV).
CurveLabel MonoenergeticLabel(int scatterType, const std::string& material, const std::string& energyKev);

// "非干渉性散乱 水 100 kV 12° 2.5 mmAl Al 0 mm Cu 0 mm" for a spectrum.
CurveLabel SpectralLabel(int scatterType, const std::string& material, const TubeSettings& conditions);

// The label as shown: items apart by a space, a unit a space after its value
// (the degree sign directly after it).
std::string LabelText(const CurveLabel& label);

// The label as a file name without extension: items joined by "_", each unit
// directly after its value, characters that file systems refuse replaced by "_";
// "グラフ" for an empty label.
std::string LabelFileStem(const CurveLabel& label);

}  // namespace tervolin
