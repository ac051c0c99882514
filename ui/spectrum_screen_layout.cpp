// The spectrum screen's controls: the graph on the left, and on the right a panel
// with the exposure conditions, their units and ranges, and the four buttons.

#include <QAction>
#include <QComboBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <algorithm>

#include "core/beam_qualities.h"
#include "graphs/user_coordinates.h"
#include "ui/controls.h"
#include "graphs/spectrum_graph.h"
#include "ui/fonts.h"
#include "ui/qt_text.h"
#include "ui/ui_texts.h"
#include "ui/graph_tools.h"
#include "ui/spectrum_screen.h"
#include "ui/picture_surface.h"
#include "ui/save_dialog.h"
#include "ui/screens.h"

namespace tervolin::ui {

namespace {

const QColor kDarkBlue{0, 0, 192};
const QColor kPanelCyan{192, 255, 255};

struct LabelLayout {
  const char* name;
  UiText text;
  int left, top;  // twips; each label is sized to its text
  const char* family;
  double points;
  QColor colour;
  bool centred = false;
};

const char* const kMeiryo = "メイリオ";
const char* const kRoundGothic = "HG丸ｺﾞｼｯｸM-PRO";
const char* const kTimes = "Times New Roman";

const LabelLayout kLabels[] = {
    {"titleLabel", Ui("Ｘ線スペクトルを近似計算する"), 9960, 360, kMeiryo, 15.75, kDarkBlue, true},
    {"promptLabel", Ui("照射条件を設定して下さい"), 10320, 1200, kRoundGothic, 14.25, kDarkBlue, true},
    {"tubeVoltageLabel", Ui("Ｘ線管電圧"), 10800, 1800, kRoundGothic, 12, Qt::black},
    {"kilovoltUnitLabel", Ui("kV"), 13320, 1800, kTimes, 12, Qt::black},
    {"voltageRangeLabel", Ui("(30～150)"), 12120, 2040, kMeiryo, 11.25, Qt::black},
    {"rectificationLabel", Ui("高電圧整流方式：定電圧"), 10800, 2400, kMeiryo, 12, Qt::black},
    {"targetAngleLabel", Ui("ターゲット角度"), 10320, 3000, kRoundGothic, 12, Qt::black},
    {"inherentFiltrationLabel", Ui("固有ろ過（Al当量）"), 9960, 3600, kRoundGothic, 12, Qt::black},
    {"aluminiumEquivalentUnitLabel", Ui("mmAl eq."), 13320, 3600, kTimes, 12, Qt::black},
    {"inherentMinimumLabel", Ui("(最小1mm)"), 12120, 3840, kMeiryo, 11.25, Qt::black},
    {"aluminiumFilterLabel", Ui("アルミ付加フィルタ"), 9960, 4440, kRoundGothic, 12, Qt::black},
    {"aluminiumUnitLabel", Ui("mm"), 13320, 4320, kTimes, 12, Qt::black},
    {"copperFilterLabel", Ui("銅付加フィルタ"), 10440, 5040, kRoundGothic, 12, Qt::black},
    {"copperUnitLabel", Ui("mm"), 13320, 4920, kTimes, 12, Qt::black},
};

struct FieldLayout {
  QLineEdit* SpectrumScreen::*field;
  const char* name;
  int left, top, width, height;
  QColor colour;
};

const FieldLayout kFields[] = {
    {&SpectrumScreen::tubeVoltageField, "tubeVoltageField", 12240, 1680, 975, 405, kDarkBlue},
    {&SpectrumScreen::targetAngleField, "targetAngleField", 12240, 2880, 975, 420, QColor(0, 0, 255)},
    {&SpectrumScreen::inherentFiltrationField, "inherentFiltrationField", 12240, 3480, 975, 390, kDarkBlue},
    {&SpectrumScreen::aluminiumFilterField, "aluminiumFilterField", 12240, 4320, 975, 405, kDarkBlue},
    {&SpectrumScreen::copperFilterField, "copperFilterField", 12240, 4920, 975, 405, kDarkBlue},
};

struct ButtonLayout {
  QPushButton* SpectrumScreen::*button;
  const char* name;
  UiText caption;
  int left, top, width, height;
  double points;
};

const ButtonLayout kButtons[] = {
    {&SpectrumScreen::computeButton, "computeButton", Ui("スペクトル計算"), 10080, 5640, 2175, 615, 12},
    {&SpectrumScreen::redoButton, "redoButton", Ui("やり直し"), 12600, 5640, 1575, 615, 12},
    {&SpectrumScreen::okButton, "okButton", Ui("OK"), 10080, 6600, 2175, 615, 14.25},
    {&SpectrumScreen::cancelButton, "cancelButton", Ui("キャンセル"), 12600, 6720, 1575, 495, 11.25},
};

// The light-blue panel the conditions stand on; created first, so it lies behind
// every control placed on it.
void BuildPanel(SpectrumScreen& f) {
  auto* panel = new QLabel(&f);
  panel->setObjectName("conditionsPanel");
  panel->setGeometry(TwipsRect(9600, 960, 4935, 5535));
  panel->setFrameStyle(QFrame::Box | QFrame::Plain);
  panel->setLineWidth(1);
  panel->setAutoFillBackground(true);
  QPalette palette = panel->palette();
  palette.setColor(QPalette::Window, kPanelCyan);
  panel->setPalette(palette);
}

// "HG丸ｺﾞｼｯｸM-PRO" has no room above its characters: their baseline lies 0.86 em
// below the label's top. A substitute with a taller ascent sets them lower, beside
// rather than level with the field they name, so such a label is raised by the
// difference (nothing when the font itself is installed).
int RaiseForSubstitute(const LabelLayout& l, const QFont& font) {
  if (l.family != kRoundGothic) return 0;
  return std::max(0, QFontMetrics(font).ascent() - qRound(0.86 * font.pixelSize()));
}

void BuildLabels(SpectrumScreen& f) {
  for (const LabelLayout& l : kLabels) {
    const QFont font = ScreenFont(Utf8(l.family), l.points);
    QLabel* label = MakeLabel(&f, l.name, l.text, l.left, l.top, font, l.colour);
    label->move(label->x(), label->y() - RaiseForSubstitute(l, font));
    if (l.centred) label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  }
  // The one label with a size of its own.
  QLabel* degree = MakeLabel(&f, "degreeUnitLabel", Ui("degree"), 13320, 3000, ScreenFont(Utf8(kTimes), 12));
  degree->resize(TwipsRect(0, 0, 855, 375).size());
  SetUiText(degree, Ui("degree"));  // keeps that size in every language
}

void BuildFieldsAndButtons(SpectrumScreen& f) {
  for (const FieldLayout& l : kFields) {
    f.*l.field = MakeTextBox(&f, l.name, TwipsRect(l.left, l.top, l.width, l.height),
                             ScreenFont(Utf8(kTimes), 12), l.colour);
  }
  for (const ButtonLayout& l : kButtons) {
    f.*l.button = MakeButton(&f, l.name, l.caption, TwipsRect(l.left, l.top, l.width, l.height),
                             ScreenFont(Utf8(kMeiryo), l.points), kButtonYellow);
  }
}

// The standard qualities below the graph: none first (the fields as typed), then RQR 2
// … RQR 10 and RQA 2 … RQA 10 in the library's order.
void BuildQualityList(SpectrumScreen& f) {
  MakeLabel(&f, "qualityLabel", Ui("線質（IEC 61267）"), 360, 7380, ScreenFont(Utf8(kMeiryo), 12));
  f.qualityList = new QComboBox(&f);
  f.qualityList->setObjectName("qualityList");
  f.qualityList->setFont(ScreenFont(Utf8(kMeiryo), 12));
  f.qualityList->setGeometry(TwipsRect(2760, 7320, 1800, 420));
  f.qualityList->addItem(Translated(Ui("なし")));
  for (const tervolin::BeamQuality& quality : tervolin::BeamQualities()) {
    f.qualityList->addItem(QString::fromStdString(tervolin::QualityName(quality)));
  }
}

// A substitute for "ＭＳ Ｐゴシック" is narrowed to the original's width.
QFont SpectrumGraphFont() {
  QFont font = ScreenFont(Utf8("ＭＳ Ｐゴシック"), 15.75, true);
  if (QFontInfo(font).family() != font.family()) font.setStretch(qRound(100 * tervolin::kSpectrumSubstituteStretch));
  return font;
}

void BuildGraph(SpectrumScreen& f, Screens& screens) {
  f.graph = new PictureSurface(
      tervolin::kSpectrumGraphScale,
      QSize(tervolin::kSpectrumGraphPixelWidth, tervolin::kSpectrumGraphPixelHeight), &f);
  f.graph->setObjectName("graph");
  f.graph->SetSurfaceFont(SpectrumGraphFont());
  f.graph->move(TwipsToPixels(240), TwipsToPixels(360));
  f.graph->setFocusPolicy(Qt::TabFocus);
  auto* tools = new GraphTools(*f.graph, screens.Bench(), tervolin::GraphKind::kSpectrum, screens.SaveFolders());
  // After the tools' own items, so that their order stays as users learned it.
  f.commonScaleAction = MakeAction(Ui("スペクトルを共通の尺度で表示"), &f);
  f.commonScaleAction->setCheckable(true);
  f.commonScaleAction->setChecked(screens.Bench().SpectrumScaleChosen() == tervolin::SpectrumScale::kCommon);
  tools->Menu().addSeparator();
  tools->Menu().addAction(f.commonScaleAction);
}

// Compute and redo first, then the fields from target angle to inherent filtration,
// the graph, and cancel and OK last; the compute button starts with the focus.
void SetKeyboardOrder(SpectrumScreen& f) {
  QWidget* const order[] = {f.computeButton,     f.redoButton,        f.targetAngleField,
                            f.tubeVoltageField,  f.aluminiumFilterField, f.copperFilterField,
                            f.inherentFiltrationField, f.qualityList, f.graph,
                            f.cancelButton,      f.okButton};
  for (std::size_t i = 1; i < std::size(order); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
  f.computeButton->setFocus();
}

void ConnectHandlers(SpectrumScreen& f) {
  QObject::connect(f.computeButton, &QPushButton::clicked, &f, &SpectrumScreen::onComputeClicked);
  QObject::connect(f.cancelButton, &QPushButton::clicked, &f, &SpectrumScreen::onCancelClicked);
  QObject::connect(f.redoButton, &QPushButton::clicked, &f, &SpectrumScreen::onRedoClicked);
  QObject::connect(f.okButton, &QPushButton::clicked, &f, &SpectrumScreen::onOkClicked);
  QObject::connect(f.commonScaleAction, &QAction::toggled, &f, &SpectrumScreen::onScaleToggled);
  QObject::connect(f.qualityList, &QComboBox::activated, &f, &SpectrumScreen::onQualityChosen);
  for (const tervolin::SpectrumField field : tervolin::kSpectrumFields) {
    QObject::connect(&f.FieldEdit(field), &QLineEdit::textEdited, &f, &SpectrumScreen::onFieldEdited);
  }
}

}  // namespace

SpectrumScreen::SpectrumScreen(Screens& screens)
    : ScreenWindow(screens, Ui("X-ray spectrum"), 14865, 7935, Frame::FixedDialog) {
  setWindowIcon(RoadSignIcon());
  setFont(ScreenFont(Utf8(kMeiryo), 12));
  BuildPanel(*this);
  BuildGraph(*this, screens);
  BuildLabels(*this);
  BuildFieldsAndButtons(*this);
  BuildQualityList(*this);
  SetKeyboardOrder(*this);
  ConnectHandlers(*this);
  LetGraphGrow(*graph);
}

}  // namespace tervolin::ui
