#pragma once
// The label of a drawn curve, made of the quantities that tell it apart (kind of
// scattering, material, photon energy or the tube's exposure conditions), each
// number written plainly as the value used ("８０" and "8e1" as "80"), so that the
// label says what was computed.

#include <string>
#include <vector>

#include "core/language.h"
#include "core/tube_settings.h"

namespace tervolin {

// One part of a label: a value and its unit ("100", "keV"), or a word with no unit;
// `name` says what the value is of ("固有", "Al"). The parts of one spectrum's
// conditions are `joined` to the part before them; `inFileName` is false for a part
// left out of file names (the inherent filtration, the same for nearly every tube).
struct LabelItem {
  std::string value;
  std::string unit;
  std::string name = {};
  bool joined = false;
  bool inFileName = true;
  bool attached = false;  // right after the item before it, a closing bracket (no space after "）")
  friend bool operator==(const LabelItem&, const LabelItem&) = default;
};

using CurveLabel = std::vector<LabelItem>;

// The value a field's text reads as, in its shortest plain form ("1e2" as "100",
// "２．５" as "2.5"); a text that is no number (which no check let through) as typed,
// without the blanks around it.
std::string FieldValueText(const std::string& text);

// "100 kV・12°・固有 2.5 mmAl", then "・Al 1 mm" and "・Cu 0.1 mm" only for an added
// filter thicker than 0.
CurveLabel SpectrumLabel(const TubeSettings& conditions, Language language = Language::kJapanese);

// "干渉性散乱 鉄 100 keV" for one photon energy (typed in keV).
CurveLabel MonoenergeticLabel(int scatterType, const std::string& material, const std::string& energyKev,
                              Language language = Language::kJapanese);

// "非干渉性散乱 水 100 kV・12°・固有 2.5 mmAl" for a spectrum.
CurveLabel SpectralLabel(int scatterType, const std::string& material, const TubeSettings& conditions,
                         Language language = Language::kJapanese);

// The label as shown: items apart by a space, a spectrum's parts by "・"; a name a
// space before its value, a unit a space after it (the degree sign directly).
std::string LabelText(const CurveLabel& label, Language language = Language::kJapanese);

// The label as a file name without extension, in plain characters: items joined by
// "_", each name and unit directly beside its value, "°" as "deg"
// ("100kV_12deg_Cu0.1mm"); brackets dropped, other punctuation, blanks and the
// characters file systems refuse replaced by "_"; "グラフ" for an empty label.
std::string LabelFileStem(const CurveLabel& label, Language language = Language::kJapanese);

}  // namespace tervolin
