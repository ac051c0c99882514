#include "ui/start_screen.h"

#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QActionGroup>
#include <QMenu>
#include <QPushButton>
#include <QSvgWidget>
#include <cstdio>

#include "core/messages.h"
#include "data/air_absorption_table.h"
#include "data/attenuation_table.h"
#include "data/spectrum_file.h"
#include "data/utf8_text.h"
#include "ui/data_folder.h"
#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/explanation_screen.h"
#include "ui/message_box.h"
#include "ui/program_end.h"
#include "ui/screens.h"
#include "ui/qt_text.h"
#include "ui/qt_translations.h"
#include "ui/ui_texts.h"

namespace tervolin::ui {

namespace {

const QString kMeiryo = Utf8("メイリオ");
const QString kTimes = QStringLiteral("Times New Roman");
const QColor kCreditGrey(128, 128, 128);

// A label of the screen; a null family stands for the screen's default font.
struct LabelLayout {
  QLabel* StartScreen::*member;
  const char* name;
  UiText text;
  int left, top;
  const char* family;
  double points;
  QColor colour;
};

const LabelLayout kLabels[] = {
    {&StartScreen::titleLabel, "titleLabel", Ui("干渉性散乱（レイリー散乱）  非干渉性散乱（コンプトン散乱）"), 720, 240,
     "メイリオ", 18, kLabelBlue},
    {&StartScreen::coherentNameLabel, "coherentNameLabel", Ui("Coherent scattering"), 1320, 720, "Times New Roman", 18, Qt::black},
    {&StartScreen::incoherentNameLabel, "incoherentNameLabel", Ui("Incoherent scattering"), 6720, 720, "Times New Roman", 18, Qt::black},
    {&StartScreen::subjectLabel, "subjectLabel", Ui("散乱角度の確率密度分布"), 3600, 1320, "メイリオ", 20.25, kLabelBlue},
    {&StartScreen::aboutLine1, "aboutLine1", Ui("物質中で"), 7200, 2400, nullptr, 0, Qt::black},
    {&StartScreen::aboutLine2, "aboutLine2", Ui("干渉性散乱および非干渉性散乱が"), 7200, 2760, nullptr, 0, Qt::black},
    {&StartScreen::aboutLine3, "aboutLine3", Ui("起こった時、どの角度(θ)方向へ"), 7200, 3120, nullptr, 0, Qt::black},
    {&StartScreen::aboutLine4, "aboutLine4", Ui("散乱されるかの確率密度分布を"), 7200, 3480, nullptr, 0, Qt::black},
    {&StartScreen::aboutLine5, "aboutLine5", Ui("理論的に計算して表示します"), 7200, 3840, nullptr, 0, Qt::black},
};

struct ButtonLayout {
  QPushButton* StartScreen::*member;
  const char* name;
  UiText text;
  int top;
};

// All three share left 7920, width 2775, height 615, the default font and a yellow face.
const ButtonLayout kButtons[] = {
    {&StartScreen::coherentButton, "coherentButton", Ui("干渉性散乱"), 4680},
    {&StartScreen::incoherentButton, "incoherentButton", Ui("非干渉性散乱"), 5520},
    {&StartScreen::quitButton, "quitButton", Ui("終　了"), 6480},
};

// A picture without a border, at its natural size.
QWidget* MakePlainPicture(QWidget* parent, const char* name, QRect twips, const QString& svgResource) {
  auto* picture = new QSvgWidget(svgResource, parent);
  picture->setObjectName(name);
  picture->setGeometry(twips);
  return picture;
}

QString StartupFailureText(const tervolin::ReadFailure& failure, tervolin::Language language) {
  return (Translated(Ui("%1 を読めないため、Tervolin を起動できません。")) + QLatin1Char('\n') +
          Translated(Ui("作業フォルダ: %2")) + QStringLiteral("\n%3"))
      .arg(Utf8(tervolin::kAttenuationFileName), QDir::currentPath(),
           QString::fromStdString(tervolin::DescribeReadFailure(failure, language)));
}

void ReportStartupFailure(const QString& message, tervolin::Language language) {
  const QString text = ShownText(message);
  std::fprintf(stderr, "%s\n", text.toUtf8().constData());
  QMessageBox box(QMessageBox::Critical, FromUtf8(tervolin::TextOf(tervolin::TextId::kCaption, language)), text,
                  QMessageBox::Ok);
  box.setTextFormat(Qt::PlainText);  // a folder name as it is, but for ShownText's escapes
  box.exec();
}

}  // namespace

StartScreen::StartScreen(Screens& screens) : ScreenWindow(screens, QStringLiteral("  Tervolin"), 11745, 8235, Frame::FixedDialog) {
  setWindowIcon(RoadSignIcon());
  setFont(ScreenFont(kMeiryo, 14.25));
  CreateLabels();
  atomPicture = MakePictureBox(this, "atomPicture", TwipsRect(360, 2280, 6450, 5385),
                            QStringLiteral(":/images/atom.svg"));
  CreateButtons();
  versionLabel = MakeLabel(this, "versionLabel", QStringLiteral("Tervolin  Version " TERVOLIN_VERSION), 8145, 7560,
                      ScreenFont(kTimes, 11.25), kCreditGrey);
  versionLabel->setGeometry(TwipsRect(8145, 7560, 2325, 255));
  versionLabel->setAlignment(Qt::AlignCenter);
  CreateLanguageMenu();
  mascotPicture = MakePlainPicture(this, "mascotPicture", TwipsRect(10920, 7440, 480, 480),
                              QStringLiteral(":/images/dog.svg"));
}

void StartScreen::CreateLabels() {
  for (const LabelLayout& l : kLabels) {
    const QFont font = l.family != nullptr ? ScreenFont(Utf8(l.family), l.points) : this->font();
    this->*l.member = MakeLabel(this, l.name, l.text, l.left, l.top, font, l.colour);
  }
}

void StartScreen::CreateButtons() {
  for (const ButtonLayout& b : kButtons) {
    this->*b.member = MakeButton(this, b.name, b.text, TwipsRect(7920, b.top, 2775, 615),
                                 font(), kButtonYellow);
  }
  setTabOrder(coherentButton, incoherentButton);
  setTabOrder(incoherentButton, quitButton);
  connect(coherentButton, &QPushButton::clicked, this, &StartScreen::onCoherentClicked);
  connect(incoherentButton, &QPushButton::clicked, this, &StartScreen::onIncoherentClicked);
  connect(quitButton, &QPushButton::clicked, this, &StartScreen::onQuitClicked);
}

// Under the atom's picture, out of the way of the screen's own controls and of their
// Tab order (Tab goes round the three buttons); Alt+L opens its menu from the keyboard.
void StartScreen::CreateLanguageMenu() {
  // Named in both languages, so that whoever cannot read the screen's finds it.
  languageButton = MakeButton(this, "languageButton", Utf8("言語 / Language"), TwipsRect(360, 7755, 1950, 375),
                              ScreenFont(kMeiryo, 9), kButtonCyan);
  auto* menu = new QMenu(languageButton);
  menu->setObjectName("languageMenu");
  auto* choices = new QActionGroup(menu);
  for (const tervolin::Language language : tervolin::AllLanguages()) {
    QAction* item = menu->addAction(Utf8(tervolin::LanguageName(language)));
    item->setCheckable(true);
    item->setChecked(language == screens_.Bench().TextLanguage());
    choices->addAction(item);
    connect(item, &QAction::triggered, this, [this, language] { SwitchLanguage(screens_, language); });
  }
  languageButton->setMenu(menu);
  languageButton->setFocusPolicy(Qt::NoFocus);
  languageButton->setShortcut(QKeySequence(Qt::ALT | Qt::Key_L));
  languageButton->setToolTip(QStringLiteral("Alt+L"));
}

// Without "Mus2018.dat" the program cannot start. Without a usable "MuenAir.dat" it
// starts all the same: the spectrum graph then shows why some figures are missing.
bool StartScreen::Load() {
  std::optional<std::string> airFailure;
  const tervolin::Language language = screens_.Bench().TextLanguage();
  if (const auto failure = screens_.Bench().ReadTables(&airFailure)) {
    ReportStartupFailure(StartupFailureText(*failure, language), language);
    return false;
  }
  if (airFailure) std::fprintf(stderr, "%s\n", tervolin::EscapedForDisplay(*airFailure, false).c_str());
  return true;
}

void StartScreen::onCoherentClicked() {
  screens_.Explanation(tervolin::kCoherent).ShowScreen();
  HideScreen();
}

void StartScreen::onIncoherentClicked() {
  screens_.Explanation(tervolin::kIncoherent).ShowScreen();
  HideScreen();
}

void StartScreen::onQuitClicked() {
  DeleteSpectrumFile();
  EndProgram();
}

void StartScreen::onCloseBoxUsed() {
  DeleteSpectrumFile();
  EndProgram();
}

void StartScreen::DeleteSpectrumFile() {
  screens_.Bench().DeleteSpectrumFile();
}

}  // namespace tervolin::ui
