// Every message the program shows, against its text written out here: a text lost or
// changed on its way through the program's catalogue shows up by name. A parameter is
// shown as it is, even one that looks like a placeholder.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "core/messages.h"

namespace tervolin {
namespace {

struct ShownText {
  Problem problem;
  const char* japanese;
  const char* english;
};

TEST(Messages, EachReadsAsWritten) {
  const ShownText texts[] = {
      {Problem{TextId::kCannotCalculate}, "　正しく計算できません　", "Cannot calculate correctly"},
      {Problem{TextId::kNoEnergy}, "　光子エネルギーが未入力　", "Enter the photon energy"},
      {Problem{TextId::kNoSpectrum}, "　Ｘ線スペクトルが未計算　", "Calculate an X-ray spectrum first"},
      {Problem{TextId::kNoScatterer}, "　散乱体が未選択　", "Choose a scatterer"},
      {Problem{TextId::kEnterTubeVoltage}, "　管電圧を入力　", "Enter the tube voltage"},
      {Problem{TextId::kReenterTargetAngle}, "　ターゲット角度を再入力　", "Enter the target angle again"},
      {Problem{TextId::kReenterInherentFiltration}, "　固有ろ過を再入力　", "Enter the inherent filtration again"},
      {Problem{TextId::kReenterAluminiumFilter}, "　Ａｌフィルタ厚を再入力　", "Enter the Al filter thickness again"},
      {Problem{TextId::kReenterCopperFilter}, "　Ｃｕフィルタ厚を再入力　", "Enter the Cu filter thickness again"},
      {Problem{TextId::kMaxTubeVoltage}, "最大管電圧は 150 kV です", "The highest tube voltage is 150 kV"},
      {Problem{TextId::kMinTubeVoltage}, "最小管電圧は 30 kV です", "The lowest tube voltage is 30 kV"},
      {Problem{TextId::kMinInherentFiltration}, "最小固有濾過は Al 1.0 mm です", "The least inherent filtration is Al 1.0 mm"},
      {Problem{TextId::kTubeVoltageNotANumber}, "　管電圧は 30～150 の数値（kV）で入力してください　", "Enter the tube voltage as a number from 30 to 150 (kV)"},
      {Problem{TextId::kAluminiumFilterNotANumber}, "　アルミ付加フィルタ厚は 0 以上の数値（mm）で入力してください　", "Enter the aluminium filter thickness as a number of at least 0 (mm)"},
      {Problem{TextId::kEnergyNotANumber}, "　光子エネルギーは 0 より大きい数値（keV）で入力してください　", "Enter the photon energy as a number above 0 (keV)"},
      {Problem{TextId::kAirTableMissing}, "MuenAir.dat なし", "no MuenAir.dat"},
      {Problem{TextId::kAirTableUnusable}, "MuenAir.dat 不正", "bad MuenAir.dat"},
      {Problem{TextId::kQualityNeedsAirTable}, "線質の固有ろ過を求めるには MuenAir.dat が必要です", "A beam quality's inherent filtration needs MuenAir.dat"},
      {Problem{TextId::kQualityOutOfReach}, "固有ろ過 Al 1～10 mm では規格の半価層に届きません", "Inherent filtration of Al 1 to 10 mm cannot reach the standard half-value layer"},
      {Problem{TextId::kCaption}, "Tervolin", "Tervolin"},
      {Problem{TextId::kUnreadableData, {}, {"ファイル Mus2018.dat を読めません"}},
       "　ファイル Mus2018.dat を読めません　", "ファイル Mus2018.dat を読めません"},
      {Problem{TextId::kFileNotWritten, {}, {"ファイル「{1}」に書き込めません"}}, "　ファイル「{1}」に書き込めません　",
       "ファイル「{1}」に書き込めません"},
      {Problem{TextId::kEnergyOutsideTable, {}, {"200", "0.5～150 keV"}},
       "光子エネルギー 200 keV の断面積は表にありません（表は 0.5～150 keV）",
       "The cross-section table has no photon energy 200 keV (it covers 0.5～150 keV)"},
      {Problem{TextId::kNoFluence}, "受け入れたスペクトルに光子がありません", "The accepted spectrum has no photons"},
      {Problem{TextId::kEnergyNotCalculable, {}, {"1e+300", "1.43", "150"}},
       "　光子エネルギー 1e+300 keV は物質の表の範囲外です（すべての角度で表を補間できる 1.43～150 keV の範囲で入力してください）　",
       "The photon energy 1e+300 keV lies outside the material's tables (enter 1.43 to 150 keV, where the tables are "
       "interpolated at every angle)"},
      {Problem{TextId::kFilterTooThick, {}, {"1e6", "13042.7"}}, "　フィルタ 1e6 mm では光子が残りません（13042.7 mm までにしてください）　",
       "No photon remains with a filter of 1e6 mm (make it at most 13042.7 mm)"},
      {Problem{TextId::kPolarCaptionPerSolidAngle}, "立体角あたり相対微分断面積（各曲線の最大値を 1 とする）",
       "Relative differential cross section per solid angle (each curve's maximum is 1)"},
      // The page's words, first and last, and those that count.
      {Problem{TextId::kPageTitle}, "Tervolin — 散乱角度の確率密度分布", "Tervolin — angular distribution of scattering"},
      {Problem{TextId::kPageOneCurve, {}, {"1"}}, "曲線 1 本", "1 curve"},
      {Problem{TextId::kPageCurves, {}, {"12"}}, "曲線 12 本", "12 curves"},
      {Problem{TextId::kPageOneSpectrum, {}, {"1"}}, "スペクトル 1 本", "1 spectrum"},
      {Problem{TextId::kPageSpectra, {}, {"0"}}, "スペクトル 0 本", "0 spectra"},
      {Problem{TextId::kPageLinkNotCopied}, "コピーできませんでした。アドレス欄のリンクをお使いください",
       "Could not copy: please use the link in the address bar"},
      {Problem{TextId::kPageSourceTitle}, "データの出典", "Data source"},
  };
  for (const ShownText& t : texts) {
    EXPECT_EQ(MessageOf(t.problem, Language::kJapanese), t.japanese) << "expected 「" << t.japanese << "」";
    EXPECT_EQ(MessageOf(t.problem, Language::kEnglish), t.english);
  }
}

// The "{n}" marks of a text, in order.
std::vector<std::string> Marks(const std::string& text) {
  std::vector<std::string> marks;
  for (std::size_t at = text.find('{'); at != std::string::npos; at = text.find('{', at + 1)) {
    marks.push_back(text.substr(at, 3));
  }
  std::sort(marks.begin(), marks.end());
  return marks;
}

// Every text of the catalogue is there in every language, once, under its own id in the
// order of TextId, and takes the same parameters in each; only a separator may be
// empty (Japanese sets no space after "）").
TEST(Messages, EveryTextInEveryLanguage) {
  for (const Language language : AllLanguages()) {
    EXPECT_EQ(FirstMisplacedText(CatalogueOf(language)), kTextCount) << LanguageCode(language);
  }
  for (std::size_t i = 0; i < kTextCount; ++i) {
    const auto id = static_cast<TextId>(i);
    const std::string japanese = TextOf(id, Language::kJapanese);
    for (const Language language : AllLanguages()) {
      const char* text = CatalogueEntryOf(id, language).text;
      ASSERT_NE(text, nullptr) << "text " << i << " missing in " << LanguageCode(language);
      EXPECT_TRUE(!std::string(text).empty() || id == TextId::kAfterClosingBracket)
          << "text " << i << " in " << LanguageCode(language);
      EXPECT_EQ(Marks(text), Marks(japanese)) << "text " << i << " in " << LanguageCode(language) << ": " << text;
    }
  }
}

// The order check finds the first entry out of place: two swapped, one under another
// id, one left out at the end.
TEST(Messages, MisplacedTextsAreFound) {
  Catalogue swapped = kEnglishTexts, relabelled = kJapaneseTexts, shortened = kJapaneseTexts;
  std::swap(swapped[3], swapped[8]);
  relabelled[5].id = TextId::kNoEnergy;
  shortened.back() = {};
  const std::pair<const Catalogue*, std::size_t> cases[] = {{&swapped, 3}, {&relabelled, 5}, {&shortened, kTextCount - 1}};
  for (const auto& [catalogue, misplaced] : cases) EXPECT_EQ(FirstMisplacedText(*catalogue), misplaced);
}

// The language of a locale as gettext chooses it: the first variable set decides,
// LANGUAGE being a list of preferences that the locale "C" or "POSIX" ignores; on a
// terminal whose characters (LC_ALL, LC_CTYPE, LANG) are not UTF-8, English.
TEST(Messages, LanguageOfTheEnvironment) {
  struct Case {
    const char *language, *lcAll, *lcMessages, *lang;
    Language expected;
    const char* lcCtype = nullptr;
    Language terminal = expected;
  };
  const Case cases[] = {
      {nullptr, nullptr, nullptr, nullptr, Language::kEnglish},
      {nullptr, nullptr, nullptr, "C", Language::kEnglish},
      {nullptr, nullptr, nullptr, "ja_JP.UTF-8", Language::kJapanese},
      {nullptr, nullptr, "en_GB.UTF-8", "ja_JP.UTF-8", Language::kEnglish},
      {nullptr, "ja_JP.eucJP", "en_US", "C", Language::kJapanese, nullptr, Language::kEnglish},
      {"de:ja:en", "C", nullptr, nullptr, Language::kEnglish},
      {"ja", "POSIX", nullptr, "ja_JP.UTF-8", Language::kEnglish},
      {"ja", nullptr, nullptr, nullptr, Language::kEnglish},
      {"de:ja:en", "C.UTF-8", nullptr, nullptr, Language::kJapanese},
      {"", "", "", "ja", Language::kJapanese},
      {"fr", nullptr, nullptr, "fr_FR", Language::kEnglish},
      {nullptr, nullptr, nullptr, "ja_JP.SJIS", Language::kJapanese, nullptr, Language::kEnglish},
      {nullptr, nullptr, "ja_JP.UTF-8", "C", Language::kJapanese, nullptr, Language::kEnglish},
      {nullptr, nullptr, nullptr, "ja_JP.utf8@cjk", Language::kJapanese, "ja_JP.eucJP", Language::kEnglish},
      {"ja", nullptr, nullptr, "en_US.ISO-8859-1", Language::kJapanese, "en_US.UTF-8", Language::kJapanese},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LanguageOfEnvironment(c.language, c.lcAll, c.lcMessages, c.lang), c.expected)
        << (c.lang ? c.lang : "-") << " " << (c.language ? c.language : "-");
    EXPECT_EQ(TerminalLanguageOfEnvironment(c.language, c.lcAll, c.lcMessages, c.lcCtype, c.lang), c.terminal)
        << (c.lang ? c.lang : "-") << " " << (c.lcCtype ? c.lcCtype : "-");
  }
}

}  // namespace
}  // namespace tervolin
