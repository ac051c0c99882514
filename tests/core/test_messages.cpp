// Every message the program shows, against its text written out here: a text lost or
// changed on its way through the program's catalogue shows up by name. A parameter is
// shown as it is, even one that looks like a placeholder.

#include <gtest/gtest.h>

#include <string>

#include "core/messages.h"

namespace tervolin {
namespace {

struct ShownText {
  std::string shown;
  const char* expected;
};

TEST(Messages, EachReadsAsWritten) {
  const ShownText texts[] = {
      {MessageOf(TextId::kCannotCalculate), "　正しく計算できません　"},
      {MessageOf(TextId::kNoEnergy), "　光子エネルギーが未入力　"},
      {MessageOf(TextId::kNoSpectrum), "　Ｘ線スペクトルが未計算　"},
      {MessageOf(TextId::kNoScatterer), "　散乱体が未選択　"},
      {MessageOf(TextId::kEnterTubeVoltage), "　管電圧を入力　"},
      {MessageOf(TextId::kReenterTargetAngle), "　ターゲット角度を再入力　"},
      {MessageOf(TextId::kReenterInherentFiltration), "　固有ろ過を再入力　"},
      {MessageOf(TextId::kReenterAluminiumFilter), "　Ａｌフィルタ厚を再入力　"},
      {MessageOf(TextId::kReenterCopperFilter), "　Ｃｕフィルタ厚を再入力　"},
      {MessageOf(TextId::kMaxTubeVoltage), "最大管電圧は 150 kV です"},
      {MessageOf(TextId::kMinTubeVoltage), "最小管電圧は 30 kV です"},
      {MessageOf(TextId::kMinInherentFiltration), "最小固有濾過は Al 1.0 mm です"},
      {MessageOf(TextId::kTubeVoltageNotANumber), "　管電圧は 30～150 の数値（kV）で入力してください　"},
      {MessageOf(TextId::kAluminiumFilterNotANumber), "　アルミ付加フィルタ厚は 0 以上の数値（mm）で入力してください　"},
      {MessageOf(TextId::kEnergyNotANumber), "　光子エネルギーは 0 より大きい数値（keV）で入力してください　"},
      {MessageOf(TextId::kAirTableMissing), "MuenAir.dat なし"},
      {MessageOf(TextId::kAirTableUnusable), "MuenAir.dat 不正"},
      {MessageOf(TextId::kQualityNeedsAirTable), "線質の固有ろ過を求めるには MuenAir.dat が必要です"},
      {MessageOf(TextId::kQualityOutOfReach), "固有ろ過 Al 1～10 mm では規格の半価層に届きません"},
      {MessageOf(TextId::kCaption), "Tervolin"},
      {MessageOf(Problem{TextId::kUnreadableData, {}, {"ファイル Mus2018.dat を読めません"}}),
       "　ファイル Mus2018.dat を読めません　"},
      {MessageOf(Problem{TextId::kFileNotWritten, {}, {"ファイル「{1}」に書き込めません"}}), "　ファイル「{1}」に書き込めません　"},
      {MessageOf(Problem{TextId::kEnergyOutsideTable, {}, {"200", "0.5～150 keV"}}),
       "光子エネルギー 200 keV の断面積は表にありません（表は 0.5～150 keV）"},
      {MessageOf(TextId::kNoFluence), "受け入れたスペクトルに光子がありません"},
      {MessageOf(Problem{TextId::kEnergyNotCalculable, {}, {"1e+300", "6.9e-308", "1.24e+10"}}),
       "　光子エネルギー 1e+300 keV では正しく計算できません（6.9e-308～1.24e+10 keV の範囲で入力してください）　"},
      {MessageOf(Problem{TextId::kFilterTooThick, {}, {"1e6", "13042.7"}}),
       "　フィルタ 1e6 mm では光子が残りません（13042.7 mm までにしてください）　"},
  };
  for (const ShownText& t : texts) EXPECT_EQ(t.shown, t.expected) << "expected 「" << t.expected << "」";
}

}  // namespace
}  // namespace tervolin
