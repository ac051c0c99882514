#include "ui/form3.h"

#include <QPushButton>

namespace {

ScreenSlot<Form3> slot;

constexpr ExplanationLayout kIncoherent = {
    .title = " Incoherent scattering",
    .client = {16755, 9255},
    .heading = "非干渉性散乱（コンプトン散乱）",
    .headingAt = {1920, 120},
    .formulaSheet = ":/images/formula_incoherent.svg",
    .formulaBox = {120, 600, 9900, 7890},
    .formulaOnWhite = false,
    .coneSketch = ":/images/cone_e1.svg",
    .coneBox = {10320, 600, 6045, 3015},
    .procedureTops = {4200, 4800, 5160, 5760, 6120},
    .dataNote = "各物質に対する非干渉性散乱案数のデータは、別ソフト(ZELTOR)から取得できる",
    .dataNoteAt = {240, 8760},
    .next = {11280, 7200, 1935, 735},
    .cancel = {13800, 7200, 1935, 735},
    .dataSource = {8520, 8760, 1815, 375},
    .spectralMethod = {11400, 8520, 4095, 495},
    .scatterType = 2,
    .calculationHeading = "非干渉性散乱",
};

}  // namespace

Form3& Form3::Instance() { return slot.Get(); }

Form3* Form3::Existing() { return slot.Existing(); }

Form3::Form3() : ExplanationScreen(kIncoherent) {
  connect(Command1, &QPushButton::clicked, this, &Form3::Form3_Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &Form3::Form3_Command2_Click);
  connect(Command3, &QPushButton::clicked, this, &Form3::Form3_Command3_Click);
  connect(Command5, &QPushButton::clicked, this, &Form3::Form3_Command5_Click);
}

void Form3::Form3_Command1_Click() { GoToCalculation(); }

void Form3::Form3_Command2_Click() { ReturnToStart(); }

void Form3::Form3_Command3_Click() { ShowDataSource(); }

void Form3::Form3_Command5_Click() { ShowSpectralMethod(); }

void Form3::Form3_Form_Unload() { ReturnAfterClose(); }
