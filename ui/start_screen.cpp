#include "ui/start_screen.h"

#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSvgWidget>
#include <cstdio>

#include "core/messages.h"
#include "data/air_absorption_table.h"
#include "data/attenuation_table.h"
#include "data/spectrum_file.h"
#include "data/utf8_text.h"
#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/explanation_screens.h"
#include "ui/message_box.h"
#include "ui/program_end.h"

namespace tervolin::ui {

namespace {

const QString kMeiryo = QString::fromUtf8("メイリオ");
const QString kTimes = QStringLiteral("Times New Roman");
const QColor kCreditGrey(128, 128, 128);

// A label of the screen; a null family stands for the screen's default font.
struct LabelLayout {
  QLabel* Form1::*member;
  const char* name;
  const char* text;
  int left, top;
  const char* family;
  double points;
  QColor colour;
};

const LabelLayout kLabels[] = {
    {&Form1::Label1, "Label1", "干渉性散乱（レイリー散乱）  非干渉性散乱（コンプトン散乱）", 720, 240,
     "メイリオ", 18, kLabelBlue},
    {&Form1::Label3, "Label3", "Coherent scattering", 1320, 720, "Times New Roman", 18, Qt::black},
    {&Form1::Label4, "Label4", "Incoherent scattering", 6720, 720, "Times New Roman", 18, Qt::black},
    {&Form1::Label2, "Label2", "散乱角度の確率密度分布", 3600, 1320, "メイリオ", 20.25, kLabelBlue},
    {&Form1::Label5, "Label5", "物質中で", 7200, 2400, nullptr, 0, Qt::black},
    {&Form1::Label6, "Label6", "干渉性散乱および非干渉性散乱が", 7200, 2760, nullptr, 0, Qt::black},
    {&Form1::Label7, "Label7", "起こった時、どの角度(θ)方向へ", 7200, 3120, nullptr, 0, Qt::black},
    {&Form1::Label8, "Label8", "散乱されるかの確率密度分布を", 7200, 3480, nullptr, 0, Qt::black},
    {&Form1::Label9, "Label9", "理論的に計算して表示します", 7200, 3840, nullptr, 0, Qt::black},
};

struct ButtonLayout {
  QPushButton* Form1::*member;
  const char* name;
  const char* text;
  int top;
};

// All three share left 7920, width 2775, height 615, the default font and a yellow face.
const ButtonLayout kButtons[] = {
    {&Form1::Command1, "Command1", "干渉性散乱", 4680},
    {&Form1::Command2, "Command2", "非干渉性散乱", 5520},
    {&Form1::Command3, "Command3", "終　了", 6480},
};

// A picture without a border, at its natural size.
QWidget* MakePlainPicture(QWidget* parent, const char* name, QRect twips, const QString& svgResource) {
  auto* picture = new QSvgWidget(svgResource, parent);
  picture->setObjectName(name);
  picture->setGeometry(twips);
  return picture;
}

QString StartupFailureText(const tervolin::ReadFailure& failure) {
  return QString::fromUtf8("%1 を読めないため、Tervolin を起動できません。\n作業フォルダ: %2\n%3")
      .arg(QString::fromUtf8(tervolin::kAttenuationFileName), QDir::currentPath(),
           QString::fromStdString(tervolin::DescribeReadFailure(failure)));
}

void ReportStartupFailure(const QString& message) {
  const QString text = ShownText(message);
  std::fprintf(stderr, "%s\n", text.toUtf8().constData());
  QMessageBox box(QMessageBox::Critical, QString::fromUtf8(tervolin::msg::kCaption), text, QMessageBox::Ok);
  box.setTextFormat(Qt::PlainText);  // a folder name as it is, but for ShownText's escapes
  box.exec();
}

}  // namespace

Form1::Form1() : ScreenWindow(QStringLiteral("  Tervolin"), 11745, 8235, Frame::FixedDialog) {
  setWindowIcon(RoadSignIcon());
  setFont(ScreenFont(kMeiryo, 14.25));
  CreateLabels();
  Picture1 = MakePictureBox(this, "Picture1", TwipsRect(360, 2280, 6450, 5385),
                            QStringLiteral(":/images/atom.svg"));
  CreateButtons();
  Label10 = MakeLabel(this, "Label10", QStringLiteral("Tervolin  Version " TERVOLIN_VERSION), 8145, 7560,
                      ScreenFont(kTimes, 11.25), kCreditGrey);
  Label10->setGeometry(TwipsRect(8145, 7560, 2325, 255));
  Label10->setAlignment(Qt::AlignCenter);
  Picture2 = MakePlainPicture(this, "Picture2", TwipsRect(10920, 7440, 480, 480),
                              QStringLiteral(":/images/dog.svg"));
}

void Form1::CreateLabels() {
  for (const LabelLayout& l : kLabels) {
    const QFont font = l.family != nullptr ? ScreenFont(QString::fromUtf8(l.family), l.points) : this->font();
    this->*l.member = MakeLabel(this, l.name, QString::fromUtf8(l.text), l.left, l.top, font, l.colour);
  }
}

void Form1::CreateButtons() {
  for (const ButtonLayout& b : kButtons) {
    this->*b.member = MakeButton(this, b.name, QString::fromUtf8(b.text), TwipsRect(7920, b.top, 2775, 615),
                                 font(), kButtonYellow);
  }
  setTabOrder(Command1, Command2);
  setTabOrder(Command2, Command3);
  connect(Command1, &QPushButton::clicked, this, &Form1::Form1_Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &Form1::Form1_Command2_Click);
  connect(Command3, &QPushButton::clicked, this, &Form1::Form1_Command3_Click);
}

// Without "Mus2018.dat" the program cannot start. Without a usable "MuenAir.dat" it
// starts all the same: the spectrum graph then shows why some figures are missing.
bool Form1::Form1_Form_Load() {
  const std::optional<tervolin::ReadFailure> failure = tervolin::LoadAttenuationTable();
  if (failure) {
    ReportStartupFailure(StartupFailureText(*failure));
    return false;
  }
  if (const auto airFailure = tervolin::LoadAirAbsorptionTable()) {
    std::fprintf(stderr, "%s\n", tervolin::EscapedForDisplay(*airFailure, false).c_str());
  }
  return true;
}

void Form1::Form1_Command1_Click() {
  Form2::Instance().ShowScreen();
  HideScreen();
}

void Form1::Form1_Command2_Click() {
  Form3::Instance().ShowScreen();
  HideScreen();
}

void Form1::Form1_Command3_Click() {
  DeleteSpectrumFile();
  EndProgram();
}

void Form1::FormUnload() {
  DeleteSpectrumFile();
  EndProgram();
}

void Form1::DeleteSpectrumFile() { tervolin::DeleteSpectrumFile(tervolin::kSpectrumFileName); }

}  // namespace tervolin::ui
