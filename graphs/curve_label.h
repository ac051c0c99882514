#pragma once
// The label of a drawn curve, made of the quantities that tell it apart (kind of
// scattering, material, photon energy or the tube's exposure conditions), each
// number written plainly as the value used ("８０" and "8e1" as "80"), so that the
// label says what was computed. A label keeps its words as keys (a catalogue's text,
// a material's name in the data folder) and is worded when shown, in the language
// of that moment.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/language.h"
#include "core/text_catalogue.h"
#include "core/tube_settings.h"

namespace tervolin {

// One part of a label: a value and its unit ("100", "keV"), a word of the catalogue
// (`word`), or a material by its key; `name` or `nameWord` says what the value is of
// ("Al", "固有"). The parts of one spectrum's conditions are `joined` to the part
// before them; `inFileName` is false for a part left out of file names (the inherent
// filtration, the same for nearly every tube).
struct LabelItem {
  std::string value;  // a number as read, or a material's key
  std::string unit;
  std::string name = {};
  bool joined = false;
  bool inFileName = true;
  bool attached = false;  // right after the item before it, a closing bracket (no space after "）")
  std::optional<TextId> word = std::nullopt;      // shown instead of the value
  std::optional<TextId> nameWord = std::nullopt;  // shown instead of the name
  bool material = false;                          // the value is a material's key
  friend bool operator==(const LabelItem&, const LabelItem&) = default;
};

using CurveLabel = std::vector<LabelItem>;

// The items of a word of the catalogue and of a material.
LabelItem WordItem(TextId word);
LabelItem MaterialItem(const std::string& key);

// What a label is shown in: the language, and each material's name in it by its key
// (a key without a name shows as it is).
struct LabelWording {
  Language language;
  std::map<std::string, std::string> materials = {};
};

// The value a field's text reads as, in its shortest plain form ("1e2" as "100",
// "２．５" as "2.5"); a text that is no number (which no check let through) as typed,
// without the blanks around it.
std::string FieldValueText(const std::string& text);

// "100 kV・12°・固有 2.5 mmAl", then "・Al 1 mm" and "・Cu 0.1 mm" only for an added
// filter thicker than 0.
CurveLabel SpectrumLabel(const TubeSettings& conditions);

// "干渉性散乱 鉄 100 keV" for one photon energy (typed in keV); `material` is its key.
CurveLabel MonoenergeticLabel(int scatterType, const std::string& material, const std::string& energyKev);

// "非干渉性散乱 水 100 kV・12°・固有 2.5 mmAl" for a spectrum.
CurveLabel SpectralLabel(int scatterType, const std::string& material, const TubeSettings& conditions);

// The label as shown: items apart by a space, a spectrum's parts by "・"; a name a
// space before its value, a unit a space after it (the degree sign directly); a
// material by its name without the blanks around it.
std::string LabelText(const CurveLabel& label, const LabelWording& wording);

// The label as a file name without extension, in plain characters: items joined by
// "_", each name and unit directly beside its value, "°" as "deg"
// ("100kV_12deg_Cu0.1mm"); brackets dropped, other punctuation, blanks and the
// characters file systems refuse replaced by "_"; "グラフ" for an empty label.
std::string LabelFileStem(const CurveLabel& label, const LabelWording& wording);

}  // namespace tervolin
