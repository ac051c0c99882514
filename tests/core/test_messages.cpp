// Every message the program shows, against its text written out here: a text lost or
// changed on its way through the program's catalogue shows up by name.

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
      {msg::kCannotCalculate, "　正しく計算できません　"},
      {msg::kNoEnergy, "　光子エネルギーが未入力　"},
      {msg::kNoSpectrum, "　Ｘ線スペクトルが未計算　"},
      {msg::kNoScatterer, "　散乱体が未選択　"},
      {msg::kEnterTubeVoltage, "　管電圧を入力　"},
      {msg::kReenterTargetAngle, "　ターゲット角度を再入力　"},
      {msg::kReenterInherentFiltration, "　固有ろ過を再入力　"},
      {msg::kReenterAluminiumFilter, "　Ａｌフィルタ厚を再入力　"},
      {msg::kReenterCopperFilter, "　Ｃｕフィルタ厚を再入力　"},
      {msg::kMaxTubeVoltage, "最大管電圧は 150 kV です"},
      {msg::kMinTubeVoltage, "最小管電圧は 30 kV です"},
      {msg::kMinInherentFiltration, "最小固有濾過は Al 1.0 mm です"},
      {msg::kAirTableMissing, "MuenAir.dat なし"},
      {msg::kAirTableUnusable, "MuenAir.dat 不正"},
      {msg::kCaption, "Tervolin"},
      {msg::Framed("散乱体が未選択"), "　散乱体が未選択　"},
  };
  for (const ShownText& t : texts) EXPECT_EQ(t.shown, t.expected) << "expected 「" << t.expected << "」";
}

}  // namespace
}  // namespace tervolin
