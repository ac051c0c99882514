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
    {"{1}", true},
    {"{1}", true},
    {"光子エネルギー {1} keV の断面積は表にありません（表は {2}）", false},
    {"受け入れたスペクトルに光子がありません", false},
    {"MuenAir.dat なし", false},
    {"MuenAir.dat 不正", false},
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
}};

}  // namespace

const CatalogueEntry& CatalogueEntryOf(TextId id) { return kJapanese[static_cast<std::size_t>(id)]; }

}  // namespace tervolin
