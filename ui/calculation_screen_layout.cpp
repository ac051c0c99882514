// The calculation screen's controls: energy frame, material list, colour frame,
// the four buttons, the headings and the angular graph, with their keyboard order.

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "core/user_coordinates.h"
#include "ui/controls.h"
#include "core/angle_graph_views.h"
#include "core/graph_layout.h"
#include "ui/fonts.h"
#include "ui/angle_view_actions.h"
#include "ui/magnitude_action.h"
#include "ui/graph_tools.h"
#include "ui/material_list.h"
#include "ui/calculation_screen.h"
#include "ui/picture_surface.h"

namespace tervolin::ui {

namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }
QFont Meiryo(double points) { return ScreenFont(U("メイリオ"), points); }
QFont Times(double points) { return ScreenFont(U("Times New Roman"), points); }

const QColor kCaptionRed{255, 0, 0};
const QColor kCaptionDarkGreen{0, 128, 0};
const QColor kCaptionBlue{0, 0, 255};

// Right edge of the scattering-type heading (Left 8400 + Width 1575 twips). The
// heading is right-aligned, so "非干渉性散乱", a character longer than the layout's
// "干渉性散乱", grows to the left instead of running into the title beside it.
constexpr int kHeadingRightTwips = 8400 + 1575;
constexpr int kHeadingLeftTwips = 6120;  // free space back to the graph's left edge

void BuildHeadings(Form4& f) {
  f.Label4 = MakeLabel(&f, "Label4", U("光子エネルギーおよび散乱体物質の設定"), 360, 360,
                       Meiryo(14.25), kLabelBlue);
  f.Label20 = MakeLabel(&f, "Label20", QString(), 0, 240, Meiryo(15.75), kLabelBlue);
  f.Label20->setAlignment(Qt::AlignRight | Qt::AlignTop);
  f.Label20->setGeometry(TwipsRect(kHeadingLeftTwips, 240, kHeadingRightTwips - kHeadingLeftTwips, 465));
  f.Label1 = MakeLabel(&f, "Label1", U("散乱角度の確率密度分布"), 10200, 240, Meiryo(15.75), kLabelBlue);
}

void BuildEnergyFrame(Form4& f) {
  f.Frame1 = MakeFrame(&f, "Frame1", U(" 光子エネルギー "), TwipsRect(720, 1080, 2655, 3135), f.font());
  f.Option1 = MakeOption(f.Frame1, "Option1", U("単一エネルギー"), TwipsRect(240, 480, 2175, 375), f.font());
  f.Text1 = MakeTextBox(f.Frame1, "Text1", TwipsRect(600, 960, 1095, 495), Times(14.25));
  f.Label3 = MakeLabel(f.Frame1, "Label3", U("keV"), 1800, 1080, Times(14.25));
  f.Option2 = MakeOption(f.Frame1, "Option2", U("スペクトルＸ線"), TwipsRect(240, 1680, 2175, 375), f.font());
  f.Command2 = MakeButton(f.Frame1, "Command2", U("スペクトル計算"), TwipsRect(480, 2160, 1815, 615),
                          Meiryo(11.25), kButtonYellow);
  f.Option1->setChecked(true);
  // Single energy is selected, so there is no spectrum to open yet.
  f.Command2->setEnabled(false);
}

void BuildMaterialList(Form4& f) {
  f.Label2 = MakeLabel(&f, "Label2", U("散乱体"), 4080, 1080, f.font());
  f.List1 = new QListWidget(&f);
  f.List1->setObjectName("List1");
  f.List1->setGeometry(TwipsRect(3840, 1560, 1335, 2580));
  f.List1->setSelectionMode(QAbstractItemView::SingleSelection);
  // The materials of the working directory, each naming its files in XFS_Data; a
  // longer list scrolls within the list's fixed size, a long name wraps.
  f.List1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  f.List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  f.List1->setWordWrap(true);
  ListDataFolderMaterials(*f.List1);
}

void BuildColourFrame(Form4& f) {
  f.Frame2 = MakeFrame(&f, "Frame2", U(" 描画色 "), TwipsRect(720, 4440, 4455, 1095), f.font());
  f.Option3 = MakeOption(f.Frame2, "Option3", U("赤色"), TwipsRect(360, 480, 975, 360), f.font(), kCaptionRed);
  f.Option4 = MakeOption(f.Frame2, "Option4", U("濃緑色"), TwipsRect(1680, 480, 1095, 375), f.font(),
                         kCaptionDarkGreen);
  f.Option5 = MakeOption(f.Frame2, "Option5", U("青色"), TwipsRect(3120, 480, 975, 360), f.font(), kCaptionBlue);
  f.Option3->setChecked(true);
}

void BuildButtons(Form4& f) {
  f.Command1 = MakeButton(&f, "Command1", U("計算・描画"), TwipsRect(720, 5880, 2055, 615), f.font(),
                          kButtonYellow);
  f.Command4 = MakeButton(&f, "Command4", U("グラフ消去"), TwipsRect(3120, 5880, 2055, 615), f.font(),
                          kButtonYellow);
  f.Command3 = MakeButton(&f, "Command3", U("終了して初期画面に戻る"), TwipsRect(1080, 6840, 3615, 495),
                          Meiryo(11.25), kButtonCyan);
}

void BuildGraph(Form4& f) {
  f.Picture1 = new PictureSurface(
      tervolin::kAngleGraphScale,
      QSize(tervolin::kAngleGraphPixelWidth, tervolin::kAngleGraphPixelHeight), &f);
  f.Picture1->setObjectName("Picture1");
  f.Picture1->SetSurfaceFont(Meiryo(14.25));
  f.Picture1->move(TwipsToPixels(6120), TwipsToPixels(840));
  f.Picture1->setFocusPolicy(Qt::TabFocus);
  auto* tools = new GraphTools(*f.Picture1, tervolin::kAngleGraphLayout);
  f.Views = new AngleViewActions(f);
  f.Views->AddTo(tools->Menu());
  f.Magnitudes = new MagnitudeAction(f);
  f.Magnitudes->AddTo(tools->Menu());
  tools->SetReadOutExtra([](int index) {
    return tervolin::ViewReadOutLines(tervolin::GraphViews().Curves(), index);
  });
}

// Material list first, then the spectrum button, the energy box, the energy and
// colour options, the calculate, clear and return buttons, and the graph (for its
// menu); the list starts with the focus.
void SetKeyboardOrder(Form4& f) {
  QWidget* const order[] = {f.List1,   f.Command2, f.Text1,    f.Option1,  f.Option2, f.Option3,
                            f.Option4, f.Option5,  f.Command1, f.Command4, f.Command3, f.Picture1};
  for (std::size_t i = 1; i < std::size(order); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
  f.List1->setFocus();
}

// Options run their handler whenever they become selected, by the user or by the
// program.
void ConnectOption(Form4& f, QRadioButton* option, void (Form4::*handler)()) {
  QObject::connect(option, &QRadioButton::toggled, &f, [&f, handler](bool selected) {
    if (selected) (f.*handler)();
  });
}

void ConnectHandlers(Form4& f) {
  QObject::connect(f.Command1, &QPushButton::clicked, &f, &Form4::Form4_Command1_Click);
  QObject::connect(f.Command2, &QPushButton::clicked, &f, &Form4::Form4_Command2_Click);
  QObject::connect(f.Command3, &QPushButton::clicked, &f, &Form4::Form4_Command3_Click);
  QObject::connect(f.Command4, &QPushButton::clicked, &f, &Form4::Form4_Command4_Click);
  ConnectOption(f, f.Option1, &Form4::Form4_Option1_Click);
  ConnectOption(f, f.Option2, &Form4::Form4_Option2_Click);
  ConnectOption(f, f.Option3, &Form4::Form4_Option3_Click);
  ConnectOption(f, f.Option4, &Form4::Form4_Option4_Click);
  ConnectOption(f, f.Option5, &Form4::Form4_Option5_Click);
}

}  // namespace

Form4::Form4() : ScreenWindow(U("散乱角度の確率密度分布"), 15420, 7635, Frame::FixedDialog) {
  setWindowIcon(RoadSignIcon());
  setFont(Meiryo(12));
  BuildHeadings(*this);
  BuildEnergyFrame(*this);
  BuildMaterialList(*this);
  BuildColourFrame(*this);
  BuildButtons(*this);
  BuildGraph(*this);
  SetKeyboardOrder(*this);
  ConnectHandlers(*this);
}

}  // namespace tervolin::ui
