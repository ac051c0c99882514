#include "ui/explanation_screen.h"

#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>

#include "core/angle_graph.h"
#include "core/palette.h"
#include "core/shared_state.h"
#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/start_screen.h"
#include "ui/calculation_screen.h"
#include "ui/data_source_screen.h"
#include "ui/material_list.h"
#include "ui/method_screen.h"
#include "ui/picture_surface.h"

namespace tervolin::ui {

namespace {

const QString kMeiryo = QString::fromUtf8("メイリオ");

constexpr int kProcedureLeft = 10560;

// Label2, Label3, Label4, Label5 and Label7, one under the other: one sentence on
// what the calculation screen computes.
struct ProcedureLine {
  QLabel* ExplanationScreen::*member;
  const char* name;
  const char* text;
};

const ProcedureLine kProcedure[] = {
    {&ExplanationScreen::Label2, "Label2", "左に示した式を用いて"},
    {&ExplanationScreen::Label3, "Label3", "散乱角度 1 度～180 度まで、1 度間隔で"},
    {&ExplanationScreen::Label4, "Label4", "微分断面積を計算する"},
    {&ExplanationScreen::Label5, "Label5", "各散乱角の微分断面積を、最大値で正規化し"},
    {&ExplanationScreen::Label7, "Label7", "散乱角度の確率密度分布をグラフ表示する"},
};

QRect Twips(const QRect& r) { return TwipsRect(r.left(), r.top(), r.width(), r.height()); }

QString Utf8(const char* text) { return QString::fromUtf8(text); }

void HideDataSource() {
  if (Form6* source = Form6::Existing()) source->HideScreen();
}

}  // namespace

ExplanationScreen::ExplanationScreen(const ExplanationLayout& layout)
    : ScreenWindow(Utf8(layout.title), layout.client.width(), layout.client.height(), Frame::FixedDialog),
      layout_(layout) {
  setWindowIcon(RoadSignIcon());
  setFont(ScreenFont(kMeiryo, 12));
  CreatePictures();
  CreateTexts();
  CreateButtons();
}

void ExplanationScreen::CreatePictures() {
  const QColor formulaBackground = layout_.formulaOnWhite ? QColor(Qt::white) : palette().color(QPalette::Window);
  Picture1 = MakePictureBox(this, "Picture1", Twips(layout_.formulaBox), Utf8(layout_.formulaSheet),
                            formulaBackground);
  Picture2 = MakePictureBox(this, "Picture2", Twips(layout_.coneBox), Utf8(layout_.coneSketch));
}

void ExplanationScreen::CreateTexts() {
  const QFont lineFont = ScreenFont(kMeiryo, 14.25);
  Label1 = MakeLabel(this, "Label1", Utf8(layout_.heading), layout_.headingAt.x(), layout_.headingAt.y(),
                     lineFont, kLabelBlue);
  for (int i = 0; i < 5; ++i) {
    const ProcedureLine& line = kProcedure[i];
    this->*line.member = MakeLabel(this, line.name, Utf8(line.text), kProcedureLeft, layout_.procedureTops[i],
                                   lineFont, kLabelBlue);
  }
  Label6 = MakeLabel(this, "Label6", Utf8(layout_.dataNote), layout_.dataNoteAt.x(), layout_.dataNoteAt.y(),
                     ScreenFont(kMeiryo, 11.25), kLabelBlue);
}

void ExplanationScreen::CreateButtons() {
  const QFont large = ScreenFont(kMeiryo, 14.25);
  Command1 = MakeButton(this, "Command1", Utf8("次へ進む"), Twips(layout_.next), large, kButtonYellow);
  Command2 = MakeButton(this, "Command2", Utf8("キャンセル"), Twips(layout_.cancel), large, kButtonYellow);
  Command3 = MakeButton(this, "Command3", Utf8("データ出典"), Twips(layout_.dataSource), font(), kButtonCyan);
  Command5 = MakeButton(this, "Command5", Utf8("スペクトルＸ線に対する計算方法"), Twips(layout_.spectralMethod),
                        ScreenFont(kMeiryo, 11.25), kButtonYellow);
  setTabOrder(Command1, Command2);
  setTabOrder(Command2, Command3);
  setTabOrder(Command3, Command5);
}

void ExplanationScreen::GoToCalculation() {
  PrepareCalculationScreen();
  Form4::Instance().ShowScreen();
  HideDataSource();
  HideScreen();
}

// The kind of scattering, the single-energy mode, red curves, no spectrum accepted,
// an empty energy field and a graph with nothing but its axes and frame. The
// material list is read again from the data folder and keeps its selection while the
// folder still offers the chosen material.
void ExplanationScreen::PrepareCalculationScreen() {
  tervolin::SharedState& state = tervolin::Shared();
  Form4& calculation = Form4::Instance();
  state.ScatterType = layout_.scatterType;
  ListDataFolderMaterials(*calculation.List1);
  calculation.Label20->setText(Utf8(layout_.calculationHeading));
  calculation.Option1->setChecked(true);
  state.EnergyMode = tervolin::kSingleEnergy;
  state.SpectrumReady = 0;
  calculation.Option3->setChecked(true);
  state.PlotColor = tervolin::kPaletteRed;
  calculation.Command2->setEnabled(false);
  calculation.Text1->setText(QString());
  calculation.Picture1->Cls();
  tervolin::DrawAngleAxes();
  tervolin::DrawGraphFrame();
}

void ExplanationScreen::ReturnToStart() {
  Form1::Instance().ShowScreen();
  HideDataSource();
  HideScreen();
}

void ExplanationScreen::ReturnAfterClose() {
  Form1::Instance().ShowScreen();
  HideDataSource();
}

void ExplanationScreen::ShowDataSource() { Form6::Instance().ShowScreen(); }

void ExplanationScreen::ShowSpectralMethod() { Form7::Instance().ShowScreen(); }

}  // namespace tervolin::ui
