#pragma once
// Texts the program shows in its warning boxes. The screens' own checks are framed
// by ideographic spaces (U+3000); the spectrum model's range messages are not.

#include <string>

namespace tervolin::msg {

// A text shown as the screens show their own checks' messages.
inline std::string Framed(const std::string& text) { return "　" + text + "　"; }

inline constexpr const char* kCannotCalculate = "　正しく計算できません　";

// Calculation screen.
inline constexpr const char* kNoEnergy = "　光子エネルギーが未入力　";
inline constexpr const char* kNoSpectrum = "　Ｘ線スペクトルが未計算　";
inline constexpr const char* kNoScatterer = "　散乱体が未選択　";

// Spectrum screen.
inline constexpr const char* kEnterTubeVoltage = "　管電圧を入力　";
inline constexpr const char* kReenterTargetAngle = "　ターゲット角度を再入力　";
inline constexpr const char* kReenterInherentFiltration = "　固有ろ過を再入力　";
inline constexpr const char* kReenterAluminiumFilter = "　Ａｌフィルタ厚を再入力　";
inline constexpr const char* kReenterCopperFilter = "　Ｃｕフィルタ厚を再入力　";

// Spectrum model range checks.
inline constexpr const char* kMaxTubeVoltage = "最大管電圧は 150 kV です";
inline constexpr const char* kMinTubeVoltage = "最小管電圧は 30 kV です";
inline constexpr const char* kMinInherentFiltration = "最小固有濾過は Al 1.0 mm です";

// The beam's figures, when the air table they need is missing or damaged.
inline constexpr const char* kAirTableMissing = "MuenAir.dat なし";
inline constexpr const char* kAirTableUnusable = "MuenAir.dat 不正";

// The solver of a quality's inherent filtration.
inline constexpr const char* kQualityNeedsAirTable = "線質の固有ろ過を求めるには MuenAir.dat が必要です";
inline constexpr const char* kQualityOutOfReach = "固有ろ過 Al 1～10 mm では規格の半価層に届きません";

inline constexpr const char* kCaption = "Tervolin";

}  // namespace tervolin::msg
