#include "graphs/curve_label.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string_view>
#include <utility>

#include "core/text_catalogue.h"
#include "core/energy_tables.h"
#include "core/field_number.h"
#include "core/number_text.h"

namespace tervolin {

namespace {

// The typed text without the blanks around it.
std::string Trimmed(const std::string& text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  const auto first = std::find_if_not(text.begin(), text.end(), blank);
  const auto last = std::find_if_not(text.rbegin(), text.rend(), blank).base();
  return first < last ? std::string(first, last) : std::string();
}

LabelItem ScatterItem(int scatterType) {
  return WordItem(scatterType == kCoherent ? TextId::kCoherentScattering : TextId::kIncoherentScattering);
}

bool AttachesDirectly(const std::string& unit) { return unit.rfind("°", 0) == 0; }

// How a character of a label is spelt in a file name, where it is not itself.
struct FileNameSpelling {
  std::string_view character;
  std::string_view spelling;
};

constexpr FileNameSpelling kSpellings[] = {
    {"°", "deg"},
    // Brackets only set a word apart ("PMMA (NIST)"): dropped.
    {"(", ""}, {")", ""}, {"[", ""}, {"]", ""}, {"{", ""}, {"}", ""}, {"（", ""}, {"）", ""},
    {"［", ""}, {"］", ""}, {"｛", ""}, {"｝", ""}, {"「", ""}, {"」", ""}, {"『", ""}, {"』", ""},
    {"【", ""}, {"】", ""}, {"〔", ""}, {"〕", ""}, {"〈", ""}, {"〉", ""}, {"《", ""}, {"》", ""},
    // Separators, blanks and the full-width forms of the characters file systems refuse.
    {"・", "_"}, {"･", "_"}, {"·", "_"}, {"　", "_"}, {"、", "_"}, {"。", "_"}, {"，", "_"},
    {"：", "_"}, {"；", "_"}, {"！", "_"}, {"？", "_"}, {"／", "_"}, {"＼", "_"}, {"＊", "_"},
    {"＂", "_"}, {"＜", "_"}, {"＞", "_"}, {"｜", "_"}, {"～", "_"}, {"〜", "_"},
    {"\u00A0", "_"}, {"\u00AD", "_"}, {"\uFEFF", "_"}};

// U+2000 … U+206F, Unicode's general punctuation: spaces, dashes, quotation marks,
// and the invisible characters (zero-width, bidirectional) that would hide or
// reorder a file name.
bool IsGeneralPunctuation(std::string_view text) {
  if (text.size() < 3 || static_cast<unsigned char>(text[0]) != 0xE2) return false;
  const auto second = static_cast<unsigned char>(text[1]);
  return second == 0x80 || (second == 0x81 && static_cast<unsigned char>(text[2]) <= 0xAF);
}

// The spelling of the character at the start of `text` and its length in bytes.
// Letters of any script, digits, ".", "-" and "_" stay; other ASCII (the characters
// file systems refuse among them, blanks and control characters) becomes "_".
std::pair<std::string_view, std::size_t> SpellingAt(std::string_view text) {
  for (const FileNameSpelling& s : kSpellings) {
    if (text.starts_with(s.character)) return {s.spelling, s.character.size()};
  }
  if (IsGeneralPunctuation(text)) return {"_", 3};
  const auto c = static_cast<unsigned char>(text[0]);
  const bool plain = c >= 0x80 || std::isalnum(c) || c == '.' || c == '-' || c == '_';
  return {plain ? text.substr(0, 1) : "_", 1};
}

std::string PlainFileText(std::string_view text) {
  std::string plain;
  for (std::size_t at = 0; at < text.size();) {
    const auto [spelling, length] = SpellingAt(text.substr(at));
    plain += spelling;
    at += length;
  }
  return plain;
}

// The name, the value and the unit in the wording's words.
struct WordedItem {
  std::string name, value, unit;
};

WordedItem Worded(const LabelItem& item, const LabelWording& wording) {
  WordedItem worded{item.nameWord ? TextOf(*item.nameWord, wording.language) : item.name, item.value, item.unit};
  if (item.word) {
    worded.value = TextOf(*item.word, wording.language);
  } else if (item.material) {
    const auto name = wording.materials.find(item.value);
    worded.value = Trimmed(name == wording.materials.end() ? item.value : name->second);
  }
  return worded;
}

std::string ItemText(const LabelItem& item, const LabelWording& wording) {
  const WordedItem w = Worded(item, wording);
  std::string text = w.name.empty() ? std::string() : w.name + ' ';
  text += w.value;
  if (!w.unit.empty() && !AttachesDirectly(w.unit)) text += ' ';
  return text + w.unit;
}

}  // namespace

std::string FieldValueText(const std::string& text) {
  const std::optional<double> value = ReadFieldNumber(text);
  return value ? ShortestText(*value) : Trimmed(text);
}

LabelItem WordItem(TextId word) {
  LabelItem item{"", ""};
  item.word = word;
  return item;
}

LabelItem MaterialItem(const std::string& key) {
  LabelItem item{key, ""};
  item.material = true;
  return item;
}

CurveLabel SpectrumLabel(const TubeSettings& c) {
  CurveLabel label{{FieldValueText(c.tubeVoltage), "kV"},
                   {FieldValueText(c.targetAngle), "°", "", true},
                   {FieldValueText(c.inherentFiltration), "mmAl", "", true, false, false, std::nullopt,
                    TextId::kInherentFiltration}};
  // An added filter of no thickness ("0", "0.0", nothing typed) is no filter.
  for (const auto& [name, text] : {std::pair{"Al", &c.aluminiumFilter}, std::pair{"Cu", &c.copperFilter}}) {
    if (FieldNumberOrZero(*text) > 0) label.push_back({FieldValueText(*text), "mm", name, true});
  }
  return label;
}

CurveLabel MonoenergeticLabel(int scatterType, const std::string& material, const std::string& energyKev) {
  return {ScatterItem(scatterType), MaterialItem(material), {FieldValueText(energyKev), "keV"}};
}

CurveLabel SpectralLabel(int scatterType, const std::string& material, const TubeSettings& conditions) {
  CurveLabel label{ScatterItem(scatterType), MaterialItem(material)};
  const CurveLabel spectrum = SpectrumLabel(conditions);
  label.insert(label.end(), spectrum.begin(), spectrum.end());
  return label;
}

std::string LabelText(const CurveLabel& label, const LabelWording& wording) {
  const std::string joiner = TextOf(TextId::kItemJoiner, wording.language);
  const std::string afterBracket = TextOf(TextId::kAfterClosingBracket, wording.language);
  std::string text;
  for (const LabelItem& item : label) {
    if (!text.empty()) text += item.attached ? afterBracket : item.joined ? joiner : " ";
    text += ItemText(item, wording);
  }
  return text;
}

std::string LabelFileStem(const CurveLabel& label, const LabelWording& wording) {
  std::string stem;
  for (const LabelItem& item : label) {
    if (!item.inFileName) continue;
    if (!stem.empty()) stem += '_';
    const WordedItem w = Worded(item, wording);
    stem += PlainFileText(w.name + w.value + w.unit);
  }
  return stem.empty() ? TextOf(TextId::kGraphFileStem, wording.language) : stem;
}

}  // namespace tervolin
