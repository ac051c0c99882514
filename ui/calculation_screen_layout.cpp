// The calculation screen's controls: energy frame, material list, colour frame,
// the four buttons, the headings and the angular graph, with their keyboard order.

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "graphs/user_coordinates.h"
#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/qt_text.h"
#include "ui/angle_view_actions.h"
#include "ui/magnitude_action.h"
#include "ui/graph_tools.h"
#include "ui/material_list.h"
#include "ui/calculation_screen.h"
#include "ui/picture_surface.h"
#include "ui/screens.h"
#include "ui/save_dialog.h"

namespace tervolin::ui {

namespace {

QFont Meiryo(double points) { return ScreenFont(Utf8("メイリオ"), points); }
QFont Times(double points) { return ScreenFont(Utf8("Times New Roman"), points); }

const QColor kCaptionRed{255, 0, 0};
const QColor kCaptionDarkGreen{0, 128, 0};
const QColor kCaptionBlue{0, 0, 255};

// Right edge of the scattering-type heading (Left 8400 + Width 1575 twips). The
// heading is right-aligned, so "非干渉性散乱", a character longer than the layout's
// "干渉性散乱", grows to the left instead of running into the title beside it.
constexpr int kHeadingRightTwips = 8400 + 1575;
constexpr int kHeadingLeftTwips = 6120;  // free space back to the graph's left edge

void BuildHeadings(CalculationScreen& f) {
  f.settingsTitleLabel = MakeLabel(&f, "settingsTitleLabel", Ui("光子エネルギーおよび散乱体物質の設定"), 360, 360,
                       Meiryo(14.25), kLabelBlue);
  f.scatterHeadingLabel = MakeLabel(&f, "scatterHeadingLabel", QString(), 0, 240, Meiryo(15.75), kLabelBlue);
  f.scatterHeadingLabel->setAlignment(Qt::AlignRight | Qt::AlignTop);
  f.scatterHeadingLabel->setGeometry(TwipsRect(kHeadingLeftTwips, 240, kHeadingRightTwips - kHeadingLeftTwips, 465));
  f.graphTitleLabel = MakeLabel(&f, "graphTitleLabel", Ui("散乱角度の確率密度分布"), 10200, 240, Meiryo(15.75), kLabelBlue);
}

void BuildEnergyFrame(CalculationScreen& f) {
  f.energyFrame = MakeFrame(&f, "energyFrame", Ui(" 光子エネルギー "), TwipsRect(720, 1080, 2655, 3135), f.font());
  f.singleEnergyOption = MakeOption(f.energyFrame, "singleEnergyOption", Ui("単一エネルギー"), TwipsRect(240, 480, 2175, 375), f.font());
  f.energyField = MakeTextBox(f.energyFrame, "energyField", TwipsRect(600, 960, 1095, 495), Times(14.25));
  f.energyUnitLabel = MakeLabel(f.energyFrame, "energyUnitLabel", Ui("keV"), 1800, 1080, Times(14.25));
  f.spectrumOption = MakeOption(f.energyFrame, "spectrumOption", Ui("スペクトルＸ線"), TwipsRect(240, 1680, 2175, 375), f.font());
  f.spectrumButton = MakeButton(f.energyFrame, "spectrumButton", Ui("スペクトル計算"), TwipsRect(480, 2160, 1815, 615),
                          Meiryo(11.25), kButtonYellow);
  f.singleEnergyOption->setChecked(true);
  // Single energy is selected, so there is no spectrum to open yet.
  f.spectrumButton->setEnabled(false);
}

void BuildMaterialList(CalculationScreen& f) {
  f.materialTitleLabel = MakeLabel(&f, "materialTitleLabel", Ui("散乱体"), 4080, 1080, f.font());
  f.materialList = new QListWidget(&f);
  f.materialList->setObjectName("materialList");
  // Widened leftwards up to the energy frame's gap, its right edge in line with the
  // colour frame's.
  f.materialList->setGeometry(TwipsRect(3480, 1560, 1695, 2580));
  f.materialList->setSelectionMode(QAbstractItemView::SingleSelection);
  // The materials of the data folder, each naming its files in XFS_Data; a
  // longer list scrolls within the list's fixed size, and a name too long for its
  // width stays on its one line and scrolls sideways (a wrapped second line would
  // read as another material).
  f.materialList->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  f.materialList->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  f.materialList->setWordWrap(false);
  f.materialList->setTextElideMode(Qt::ElideNone);
  f.ListMaterials();
}

void BuildColourFrame(CalculationScreen& f) {
  f.colourFrame = MakeFrame(&f, "colourFrame", Ui(" 描画色 "), TwipsRect(720, 4440, 4455, 1095), f.font());
  f.redOption = MakeOption(f.colourFrame, "redOption", Ui("赤色"), TwipsRect(360, 480, 975, 360), f.font(), kCaptionRed);
  f.darkGreenOption = MakeOption(f.colourFrame, "darkGreenOption", Ui("濃緑色"), TwipsRect(1680, 480, 1095, 375), f.font(),
                         kCaptionDarkGreen);
  f.blueOption = MakeOption(f.colourFrame, "blueOption", Ui("青色"), TwipsRect(3120, 480, 975, 360), f.font(), kCaptionBlue);
  f.redOption->setChecked(true);
}

void BuildButtons(CalculationScreen& f) {
  f.computeButton = MakeButton(&f, "computeButton", Ui("計算・描画"), TwipsRect(720, 5880, 2055, 615), f.font(),
                          kButtonYellow);
  f.clearButton = MakeButton(&f, "clearButton", Ui("グラフ消去"), TwipsRect(3120, 5880, 2055, 615), f.font(),
                          kButtonYellow);
  f.returnButton = MakeButton(&f, "returnButton", Ui("終了して初期画面に戻る"), TwipsRect(1080, 6840, 3615, 495),
                          Meiryo(11.25), kButtonCyan);
}

void BuildGraph(CalculationScreen& f, Screens& screens) {
  tervolin::Workbench& bench = screens.Bench();
  f.graph = new PictureSurface(
      tervolin::kAngleGraphScale,
      QSize(tervolin::kAngleGraphPixelWidth, tervolin::kAngleGraphPixelHeight), &f);
  f.graph->setObjectName("graph");
  f.graph->SetSurfaceFont(Meiryo(14.25));
  f.graph->move(TwipsToPixels(6120), TwipsToPixels(840));
  f.graph->setFocusPolicy(Qt::TabFocus);
  auto* tools = new GraphTools(*f.graph, bench, tervolin::GraphKind::kAngle, screens.SaveFolders());
  f.views = new AngleViewActions(f, bench, screens.SaveFolders());
  f.views->AddTo(tools->Menu());
  f.magnitudes = new MagnitudeAction(f, bench, *f.materialList, *f.energyField, screens.SaveFolders());
  f.magnitudes->AddTo(tools->Menu());
}

// Material list first, then the spectrum button, the energy box, the energy and
// colour options, the calculate, clear and return buttons, and the graph (for its
// menu); the list starts with the focus.
void SetKeyboardOrder(CalculationScreen& f) {
  QWidget* const order[] = {f.materialList,   f.spectrumButton, f.energyField,    f.singleEnergyOption,  f.spectrumOption, f.redOption,
                            f.darkGreenOption, f.blueOption,  f.computeButton, f.clearButton, f.returnButton, f.graph};
  for (std::size_t i = 1; i < std::size(order); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
  f.materialList->setFocus();
}

// Options run their handler whenever they become selected, by the user or by the
// program.
void ConnectOption(CalculationScreen& f, QRadioButton* option, void (CalculationScreen::*handler)()) {
  QObject::connect(option, &QRadioButton::toggled, &f, [&f, handler](bool selected) {
    if (selected) (f.*handler)();
  });
}

void ConnectHandlers(CalculationScreen& f) {
  QObject::connect(f.computeButton, &QPushButton::clicked, &f, &CalculationScreen::onComputeClicked);
  QObject::connect(f.spectrumButton, &QPushButton::clicked, &f, &CalculationScreen::onSpectrumClicked);
  QObject::connect(f.returnButton, &QPushButton::clicked, &f, &CalculationScreen::onReturnClicked);
  QObject::connect(f.clearButton, &QPushButton::clicked, &f, &CalculationScreen::onClearClicked);
  ConnectOption(f, f.singleEnergyOption, &CalculationScreen::onSingleEnergyChosen);
  ConnectOption(f, f.spectrumOption, &CalculationScreen::onSpectrumChosen);
  ConnectOption(f, f.redOption, &CalculationScreen::onRedChosen);
  ConnectOption(f, f.darkGreenOption, &CalculationScreen::onDarkGreenChosen);
  ConnectOption(f, f.blueOption, &CalculationScreen::onBlueChosen);
}

}  // namespace

CalculationScreen::CalculationScreen(Screens& screens)
    : ScreenWindow(screens, Ui("散乱角度の確率密度分布"), 15420, 7635, Frame::FixedDialog) {
  setWindowIcon(RoadSignIcon());
  setFont(Meiryo(12));
  BuildHeadings(*this);
  BuildEnergyFrame(*this);
  BuildMaterialList(*this);
  BuildColourFrame(*this);
  BuildButtons(*this);
  BuildGraph(*this, screens);
  SetKeyboardOrder(*this);
  ConnectHandlers(*this);
  LetGraphGrow(*graph);
  listed_ = screens.Bench().Observe([this](tervolin::Changes changes) {
    if (changes.Any(tervolin::Change::kMaterials | tervolin::Change::kLanguage)) ListMaterials();
  });
}

}  // namespace tervolin::ui
