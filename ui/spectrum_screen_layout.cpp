// The spectrum screen's controls: the graph on the left, and on the right a panel
// with the exposure conditions, their units and ranges, and the four buttons.

#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "graphs/user_coordinates.h"
#include "ui/controls.h"
#include "graphs/graph_layout.h"
#include "ui/fonts.h"
#include "ui/qt_text.h"
#include "ui/graph_tools.h"
#include "ui/spectrum_screen.h"
#include "ui/picture_surface.h"

namespace tervolin::ui {

namespace {

const QColor kDarkBlue{0, 0, 192};
const QColor kPanelCyan{192, 255, 255};

struct LabelLayout {
  const char* name;
  const char* text;
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
    {"Label1(3)", "Ｘ線スペクトルを近似計算する", 9960, 360, kMeiryo, 15.75, kDarkBlue, true},
    {"Label1(2)", "照射条件を設定して下さい", 10320, 1200, kRoundGothic, 14.25, kDarkBlue, true},
    {"Label1(1)", "Ｘ線管電圧", 10800, 1800, kRoundGothic, 12, Qt::black},
    {"Label6", "kV", 13320, 1800, kTimes, 12, Qt::black},
    {"Label11", "(30～150)", 12120, 2040, kMeiryo, 11.25, Qt::black},
    {"Label10", "高電圧整流方式：定電圧", 10800, 2400, kMeiryo, 12, Qt::black},
    {"Label1(0)", "ターゲット角度", 10320, 3000, kRoundGothic, 12, Qt::black},
    {"Label2(1)", "固有ろ過（Al当量）", 9960, 3600, kRoundGothic, 12, Qt::black},
    {"Label7", "mmAl eq.", 13320, 3600, kTimes, 12, Qt::black},
    {"Label12", "(最小1mm)", 12120, 3840, kMeiryo, 11.25, Qt::black},
    {"Label3", "アルミ付加フィルタ", 9960, 4440, kRoundGothic, 12, Qt::black},
    {"Label8", "mm", 13320, 4320, kTimes, 12, Qt::black},
    {"Label4", "銅付加フィルタ", 10440, 5040, kRoundGothic, 12, Qt::black},
    {"Label9", "mm", 13320, 4920, kTimes, 12, Qt::black},
};

struct FieldLayout {
  QLineEdit* Form5::*field;
  const char* name;
  int left, top, width, height;
  QColor colour;
};

const FieldLayout kFields[] = {
    {&Form5::Text1, "Text1", 12240, 1680, 975, 405, kDarkBlue},
    {&Form5::Text5, "Text5", 12240, 2880, 975, 420, QColor(0, 0, 255)},
    {&Form5::Text2, "Text2", 12240, 3480, 975, 390, kDarkBlue},
    {&Form5::Text3, "Text3", 12240, 4320, 975, 405, kDarkBlue},
    {&Form5::Text4, "Text4", 12240, 4920, 975, 405, kDarkBlue},
};

struct ButtonLayout {
  QPushButton* Form5::*button;
  const char* name;
  const char* caption;
  int left, top, width, height;
  double points;
};

const ButtonLayout kButtons[] = {
    {&Form5::Command1, "Command1", "スペクトル計算", 10080, 5640, 2175, 615, 12},
    {&Form5::Command3, "Command3", "やり直し", 12600, 5640, 1575, 615, 12},
    {&Form5::Command4, "Command4", "OK", 10080, 6600, 2175, 615, 14.25},
    {&Form5::Command2, "Command2", "キャンセル", 12600, 6720, 1575, 495, 11.25},
};

// The light-blue panel the conditions stand on; created first, so it lies behind
// every control placed on it.
void BuildPanel(Form5& f) {
  auto* panel = new QLabel(&f);
  panel->setObjectName("Label22");
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

void BuildLabels(Form5& f) {
  for (const LabelLayout& l : kLabels) {
    const QFont font = ScreenFont(Utf8(l.family), l.points);
    QLabel* label = MakeLabel(&f, l.name, Utf8(l.text), l.left, l.top, font, l.colour);
    label->move(label->x(), label->y() - RaiseForSubstitute(l, font));
    if (l.centred) label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  }
  // The one label with a size of its own.
  QLabel* degree = MakeLabel(&f, "Label5", Utf8("degree"), 13320, 3000, ScreenFont(Utf8(kTimes), 12));
  degree->resize(TwipsRect(0, 0, 855, 375).size());
}

void BuildFieldsAndButtons(Form5& f) {
  for (const FieldLayout& l : kFields) {
    f.*l.field = MakeTextBox(&f, l.name, TwipsRect(l.left, l.top, l.width, l.height),
                             ScreenFont(Utf8(kTimes), 12), l.colour);
  }
  for (const ButtonLayout& l : kButtons) {
    f.*l.button = MakeButton(&f, l.name, Utf8(l.caption), TwipsRect(l.left, l.top, l.width, l.height),
                             ScreenFont(Utf8(kMeiryo), l.points), kButtonYellow);
  }
}

// The substitute for "ＭＳ Ｐゴシック" sets Latin letters about an eighth wider than
// the original, which would run "Relative" and "Fluence" into the frame; it is
// narrowed to the original's width.
QFont SpectrumGraphFont() {
  QFont font = ScreenFont(Utf8("ＭＳ Ｐゴシック"), 15.75, true);
  if (QFontInfo(font).family() != font.family()) font.setStretch(88);
  return font;
}

void BuildGraph(Form5& f) {
  f.Picture3 = new PictureSurface(
      tervolin::kSpectrumGraphScale,
      QSize(tervolin::kSpectrumGraphPixelWidth, tervolin::kSpectrumGraphPixelHeight), &f);
  f.Picture3->setObjectName("Picture3");
  f.Picture3->SetSurfaceFont(SpectrumGraphFont());
  f.Picture3->move(TwipsToPixels(240), TwipsToPixels(360));
  f.Picture3->setFocusPolicy(Qt::TabFocus);
  new GraphTools(*f.Picture3, tervolin::kSpectrumGraphLayout);
}

// Compute and redo first, then the fields from target angle to inherent filtration,
// the graph, and cancel and OK last; the compute button starts with the focus.
void SetKeyboardOrder(Form5& f) {
  QWidget* const order[] = {f.Command1, f.Command3, f.Text5,    f.Text1,    f.Text3,
                            f.Text4,    f.Text2,    f.Picture3, f.Command2, f.Command4};
  for (std::size_t i = 1; i < std::size(order); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
  f.Command1->setFocus();
}

void ConnectHandlers(Form5& f) {
  QObject::connect(f.Command1, &QPushButton::clicked, &f, &Form5::Form5_Command1_Click);
  QObject::connect(f.Command2, &QPushButton::clicked, &f, &Form5::Form5_Command2_Click);
  QObject::connect(f.Command3, &QPushButton::clicked, &f, &Form5::Form5_Command3_Click);
  QObject::connect(f.Command4, &QPushButton::clicked, &f, &Form5::Form5_Command4_Click);
}

}  // namespace

Form5::Form5() : ScreenWindow(QStringLiteral("X-ray spectrum"), 14865, 7335, Frame::FixedDialog) {
  setWindowIcon(RoadSignIcon());
  setFont(ScreenFont(Utf8(kMeiryo), 12));
  BuildPanel(*this);
  BuildGraph(*this);
  BuildLabels(*this);
  BuildFieldsAndButtons(*this);
  SetKeyboardOrder(*this);
  ConnectHandlers(*this);
}

}  // namespace tervolin::ui
