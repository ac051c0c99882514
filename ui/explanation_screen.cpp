#include "ui/explanation_screen.h"

#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>

#include "graphs/palette.h"
#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/calculation_screen.h"
#include "ui/data_source_screen.h"
#include "ui/spectral_method_screen.h"
#include "ui/qt_text.h"
#include "ui/screens.h"

namespace tervolin::ui {

namespace {

const QString kMeiryo = Utf8("メイリオ");

constexpr int kProcedureLeft = 10560;

// procedureLine1, procedureLine2, procedureLine3, procedureLine4 and procedureLine5, one under the other: one sentence on
// what the calculation screen computes.
struct ProcedureLine {
  QLabel* ExplanationScreen::*member;
  const char* name;
  UiText text;
};

const ProcedureLine kProcedure[] = {
    {&ExplanationScreen::procedureLine1, "procedureLine1", Ui("左に示した式を用いて")},
    {&ExplanationScreen::procedureLine2, "procedureLine2", Ui("散乱角度 1 度～180 度まで、1 度間隔で")},
    {&ExplanationScreen::procedureLine3, "procedureLine3", Ui("微分断面積を計算する")},
    {&ExplanationScreen::procedureLine4, "procedureLine4", Ui("各散乱角の微分断面積を、最大値で正規化し")},
    {&ExplanationScreen::procedureLine5, "procedureLine5", Ui("散乱角度の確率密度分布をグラフ表示する")},
};

QRect Twips(const QRect& r) { return TwipsRect(r.left(), r.top(), r.width(), r.height()); }

}  // namespace

ExplanationScreen::ExplanationScreen(Screens& screens, tervolin::ScatterKind scatter)
    : ScreenWindow(screens, ExplanationLayoutOf(scatter).title, ExplanationLayoutOf(scatter).client.width(),
                   ExplanationLayoutOf(scatter).client.height(), Frame::FixedDialog),
      layout_(ExplanationLayoutOf(scatter)) {
  setWindowIcon(RoadSignIcon());
  setFont(ScreenFont(kMeiryo, 12));
  CreatePictures();
  CreateTexts();
  CreateButtons();
}

void ExplanationScreen::CreatePictures() {
  const QColor formulaBackground = layout_.formulaOnWhite ? QColor(Qt::white) : palette().color(QPalette::Window);
  formulaPicture = MakePictureBox(this, "formulaPicture", Twips(layout_.formulaBox),
                                  PictureInLanguage(Utf8(layout_.formulaSheet), screens_.Bench().TextLanguage()),
                                  formulaBackground);
  conePicture = MakePictureBox(this, "conePicture", Twips(layout_.coneBox), Utf8(layout_.coneSketch));
}

void ExplanationScreen::SetTexts() {
  ShowInPictureBox(*formulaPicture, PictureInLanguage(Utf8(layout_.formulaSheet), screens_.Bench().TextLanguage()));
}

void ExplanationScreen::CreateTexts() {
  const QFont lineFont = ScreenFont(kMeiryo, 14.25);
  headingLabel = MakeLabel(this, "headingLabel", layout_.heading, layout_.headingAt.x(), layout_.headingAt.y(),
                     lineFont, kLabelBlue);
  for (int i = 0; i < 5; ++i) {
    const ProcedureLine& line = kProcedure[i];
    this->*line.member = MakeLabel(this, line.name, line.text, kProcedureLeft, layout_.procedureTops[i],
                                   lineFont, kLabelBlue);
  }
  dataNoteLabel = MakeLabel(this, "dataNoteLabel", layout_.dataNote, layout_.dataNoteAt.x(), layout_.dataNoteAt.y(),
                     ScreenFont(kMeiryo, 11.25), kLabelBlue);
}

void ExplanationScreen::CreateButtons() {
  const QFont large = ScreenFont(kMeiryo, 14.25);
  nextButton = MakeButton(this, "nextButton", Ui("次へ進む"), Twips(layout_.next), large, kButtonYellow);
  cancelButton = MakeButton(this, "cancelButton", Ui("キャンセル"), Twips(layout_.cancel), large, kButtonYellow);
  dataSourceButton = MakeButton(this, "dataSourceButton", Ui("データ出典"), Twips(layout_.dataSource), font(), kButtonCyan);
  spectralMethodButton = MakeButton(this, "spectralMethodButton", Ui("スペクトルＸ線に対する計算方法"), Twips(layout_.spectralMethod),
                        ScreenFont(kMeiryo, 11.25), kButtonYellow);
  setTabOrder(nextButton, cancelButton);
  setTabOrder(cancelButton, dataSourceButton);
  setTabOrder(dataSourceButton, spectralMethodButton);
  connect(nextButton, &QPushButton::clicked, this, &ExplanationScreen::onNextClicked);
  connect(cancelButton, &QPushButton::clicked, this, &ExplanationScreen::onCancelClicked);
  connect(dataSourceButton, &QPushButton::clicked, this, &ExplanationScreen::onDataSourceClicked);
  connect(spectralMethodButton, &QPushButton::clicked, this, &ExplanationScreen::onSpectralMethodClicked);
}

void ExplanationScreen::onNextClicked() {
  PrepareCalculationScreen();
  screens_.Calculation().ShowScreen();
  HideDataSource();
  HideScreen();
}

// The kind of scattering, the single-energy mode, red curves, no spectrum accepted,
// an empty energy field and a graph with nothing but its axes and frame. The
// material list is read again from the data folder and keeps its selection while the
// folder still offers the chosen material.
void ExplanationScreen::PrepareCalculationScreen() {
  CalculationScreen& calculation = screens_.Calculation();
  screens_.Bench().ReadMaterials();
  screens_.Bench().StartCalculation(layout_.scatter);
  SetUiText(calculation.scatterHeadingLabel, layout_.calculationHeading);
  calculation.singleEnergyOption->setChecked(true);
  calculation.redOption->setChecked(true);
  calculation.spectrumButton->setEnabled(false);
  calculation.energyField->setText(QString());
}

void ExplanationScreen::HideDataSource() {
  if (DataSourceScreen* source = screens_.ExistingDataSource()) source->HideScreen();
}

void ExplanationScreen::onCancelClicked() {
  ShowHomeScreen();
  HideDataSource();
  HideScreen();
}

void ExplanationScreen::onCloseBoxUsed() {
  ShowHomeScreen();
  HideDataSource();
}

void ExplanationScreen::onDataSourceClicked() { screens_.DataSource().ShowScreen(); }

void ExplanationScreen::onSpectralMethodClicked() { screens_.SpectralMethod().ShowScreen(); }

}  // namespace tervolin::ui
