// The program's texts in Japanese, in the order of TextId.

#include <array>

#include "core/text_catalogue.h"

namespace tervolin {

namespace {

constexpr std::array<CatalogueEntry, static_cast<std::size_t>(TextId::kCount)> kJapanese{{
    {"正しく計算できません", true},
    {"光子エネルギーが未入力", true},
    {"Ｘ線スペクトルが未計算", true},
    {"散乱体が未選択", true},
    {"管電圧を入力", true},
    {"ターゲット角度を再入力", true},
    {"固有ろ過を再入力", true},
    {"Ａｌフィルタ厚を再入力", true},
    {"Ｃｕフィルタ厚を再入力", true},
    {"最大管電圧は 150 kV です", false},
    {"最小管電圧は 30 kV です", false},
    {"最小固有濾過は Al 1.0 mm です", false},
    {"管電圧は 30～150 の数値（kV）で入力してください", true},
    {"ターゲット角度は 1 以上 90 未満の数値（°）で入力してください", true},
    {"固有ろ過は 1.0 以上の数値（mmAl）で入力してください", true},
    {"アルミ付加フィルタ厚は 0 以上の数値（mm）で入力してください", true},
    {"銅付加フィルタ厚は 0 以上の数値（mm）で入力してください", true},
    {"光子エネルギーは 0 より大きい数値（keV）で入力してください", true},
    {"{1}", true},
    {"{1}", true},
    {"光子エネルギー {1} keV の断面積は表にありません（表は {2}）", false},
    {"受け入れたスペクトルに光子がありません", false},
    {"MuenAir.dat なし", false},
    {"MuenAir.dat 不正", false},
    {"線質の固有ろ過を求めるには MuenAir.dat が必要です", false},
    {"固有ろ過 Al 1～10 mm では規格の半価層に届きません", false},
    {"光子エネルギー {1} keV では正しく計算できません（{2}～{3} keV の範囲で入力してください）", true},
    {"フィルタ {1} mm では光子が残りません（{2} mm までにしてください）", true},
    {"Tervolin", false},
    {"干渉性散乱", false},
    {"非干渉性散乱", false},
    {"自由電子（トムソン散乱）", false},
    {"自由電子（クライン－仁科）", false},
    {"立体角あたり", false},
    {"固有", false},
    {"グラフ", false},
    {"曲線 {1}", false},
    {"ピーク {1}", false},
    {"散乱角度 (deg)", false},
    {"エネルギー (keV)", false},
    {"散乱角度 θ (deg)", false},
    {"入射X線", false},
    {"平均E", false},
    {"実効E", false},
    {"HVL1", false},
    {"HVL2", false},
    {"均等度", false},
    {"規格", false},
    {"合計", false},
    {"断面積 σ/ρ と割合", false},
    {"断面積 σ/ρ（スペクトルの光子あたりの平均）と割合", false},
    {"非干渉性／干渉性 ＝ {1} 倍", false},
    {"曲線の積分 {1} cm²/g（表／曲線 {2}）", false},
    {"モル質量のない古い表のため、曲線は形を表の断面積に合わせて描いています", false},
    {"散乱角度の確率密度分布", false},
    {"Ｘ線スペクトル", false},
    {"自由電子の曲線つき", false},
}};

}  // namespace

const CatalogueEntry& CatalogueEntryOf(TextId id) { return kJapanese[static_cast<std::size_t>(id)]; }

}  // namespace tervolin
