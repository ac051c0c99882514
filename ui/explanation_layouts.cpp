// The two explanation screens' layouts: coherent (Rayleigh) and incoherent
// (Compton) scattering, each a formula sheet, a cone sketch and the way on to the
// calculation.

#include "ui/explanation_screen.h"

namespace tervolin::ui {

namespace {

constexpr ExplanationLayout kCoherentLayout = {
    .title = Ui(" Coherent scattering"),
    .client = {16770, 7365},
    .heading = Ui("干渉性散乱（レイリー散乱）"),
    .headingAt = {2280, 120},
    .formulaSheet = ":/images/formula_coherent.svg",
    .formulaBox = {120, 600, 9690, 5880},
    .formulaOnWhite = true,
    .coneSketch = ":/images/cone_e0.svg",
    .coneBox = {10560, 600, 5925, 2775},
    .procedureTops = {3600, 4080, 4440, 4920, 5280},
    .dataNote = Ui("各物質の形状因子は、付属の tervolin-tables で xraylib から作成できる"),
    .dataNoteAt = {600, 6840},
    .next = {11280, 5880, 1935, 735},
    .cancel = {13560, 5880, 1935, 735},
    .dataSource = {8040, 6840, 1815, 375},
    .spectralMethod = {11280, 6720, 4095, 495},
    .scatter = tervolin::kCoherent,
    .calculationHeading = Ui("干渉性散乱"),
};

constexpr ExplanationLayout kIncoherentLayout = {
    .title = Ui(" Incoherent scattering"),
    .client = {16755, 9255},
    .heading = Ui("非干渉性散乱（コンプトン散乱）"),
    .headingAt = {1920, 120},
    .formulaSheet = ":/images/formula_incoherent.svg",
    .formulaBox = {120, 600, 9900, 7890},
    .formulaOnWhite = false,
    .coneSketch = ":/images/cone_e1.svg",
    .coneBox = {10320, 600, 6045, 3015},
    .procedureTops = {4200, 4800, 5160, 5760, 6120},
    .dataNote = Ui("各物質の非干渉性散乱関数は、付属の tervolin-tables で xraylib から作成できる"),
    .dataNoteAt = {240, 8760},
    .next = {11280, 7200, 1935, 735},
    .cancel = {13800, 7200, 1935, 735},
    .dataSource = {8520, 8760, 1815, 375},
    .spectralMethod = {11400, 8520, 4095, 495},
    .scatter = tervolin::kIncoherent,
    .calculationHeading = Ui("非干渉性散乱"),
};

}  // namespace

const ExplanationLayout& ExplanationLayoutOf(tervolin::ScatterKind scatter) {
  return scatter == tervolin::kCoherent ? kCoherentLayout : kIncoherentLayout;
}

}  // namespace tervolin::ui
