// The start screen as the user meets it: start-up with the attenuation table, the
// screen's layout, the way to the explanation screens and back, and the two ways out
// of the program with the spectrum file they remove, and the end by a termination
// signal on the same path.

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <unistd.h>

#include "core/shared_state.h"
#include "data/spectrum_file.h"
#include "modal_answerer.h"
#include "screen_checks.h"
#include "support/scratch_directory.h"
#include "ui/start_screen.h"
#include "ui/explanation_screens.h"
#include "ui/calculation_screen.h"
#include "ui/data_source_screen.h"
#include "ui/method_screen.h"
#include "ui/program.h"
#include "ui/termination_signals.h"

using namespace tervolin::ui;

using namespace tervolin::testing;
using tervolin::Shared;

namespace {

namespace fs = std::filesystem;

const char* const kTable = "Mus2018.dat";
const char* const kSpectrum = "P_Spectrum.dat";

// `records` records of 7 numbers; bin n holds tungsten 1000 + n, aluminium 2000 + n and
// copper 3000 + n behind its energy.
std::string AttenuationTable(int records, int offset = 0) {
  std::ostringstream text;
  for (int n = 1; n <= records; ++n) {
    text << n * 0.5 << ", " << 1000 + n + offset << ", " << 2000 + n + offset << ", "
         << 3000 + n + offset << ", 0.5, 0.25, 0.125\r\n";
  }
  return text.str();
}

std::string SpectrumFile() { return "000.5  1.000E+00\r\n001.0  5.000E-01\r\n"; }

// The spectrum file as this program writes it, the one it removes at its end.
void WriteOwnSpectrumFile() { QVERIFY(!tervolin::WriteSpectrumFile(kSpectrum, tervolin::EnergyTable{})); }

bool Exists(const char* name) { return fs::exists(fs::path(name)); }

// Runs the program's event loop, doing `step` once it runs; the loop's exit status,
// or 99 when the program did not end within ten seconds.
int RunUntilEnd(const std::function<void()>& step) {
  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
  watchdog.start(10000);
  QTimer::singleShot(0, step);
  return WaitForProgramEnd();
}

// What `action` writes to the standard error stream.
QString StandardErrorOf(const std::function<void()>& action) {
  std::fflush(stderr);
  const int saved = ::dup(STDERR_FILENO);
  FILE* capture = std::tmpfile();
  ::dup2(::fileno(capture), STDERR_FILENO);
  action();
  std::fflush(stderr);
  ::dup2(saved, STDERR_FILENO);
  ::close(saved);
  QFile written;
  written.open(capture, QIODevice::ReadOnly);
  written.seek(0);
  const QString text = QString::fromUtf8(written.readAll());
  std::fclose(capture);
  return text;
}

void (*Handler(int signal))(int) {
  struct sigaction now {};
  sigaction(signal, nullptr, &now);
  return now.sa_handler;
}

bool AnyWindowVisible() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->isVisible()) return true;
  }
  return false;
}

struct LabelExpectation {
  QLabel* Form1::*member;
  const char* text;
  QPoint at;  // pixels
  int pixelSize;
  QColor colour;
};

}  // namespace

class StartScreenTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    scratch_ = std::make_unique<ScratchDirectory>();
    answerer_ = std::make_unique<ModalAnswerer>();
  }

  void cleanup() {
    answerer_.reset();
    DiscardAllWindows();
    tervolin::InstallHost(nullptr);
    scratch_.reset();
  }

  void startUpReadsTheTableOnceAndShowsTheStartScreen() {
    scratch_->Write(kTable, AttenuationTable(300));
    QCOMPARE(StartTervolin(), std::nullopt);
    QVERIFY(Shared().Pi == 3.14159);
    QCOMPARE(Shared().MuTungsten[1], 1001.0);
    QCOMPARE(Shared().MuAluminium[300], 2300.0);
    QCOMPARE(Shared().MuCopper[300], 3300.0);
    Form1* start = Form1::Existing();
    QVERIFY(IsShown(start));
    QVERIFY(!IsShown(Form2::Existing()) && !IsShown(Form3::Existing()));

    // A changed table is not read again on the way to an explanation screen and back.
    scratch_->Write(kTable, AttenuationTable(300, 500));
    Click(start->Command1);
    QVERIFY(IsShown(Form2::Existing()));
    QVERIFY(!start->isVisible());
    Click(Form2::Existing()->Command2);
    QCOMPARE(Form1::Existing(), start);
    QVERIFY(start->isVisible());
    QCOMPARE(Shared().MuTungsten[1], 1001.0);
    QVERIFY(answerer_->Answered().isEmpty());
  }

  void startUpFailsWithoutAUsableTable_data() {
    QTest::addColumn<QString>("content");  // empty: no file at all
    QTest::addColumn<QString>("problem");
    QTest::newRow("missing") << QString() << Utf8("開けません");
    const std::string full = AttenuationTable(300);
    QTest::newRow("2099 values") << QString::fromStdString(full.substr(0, full.rfind(',')))
                                 << Utf8("2099 個の項目で終わっています");
    QTest::newRow("not a number") << QString::fromStdString("0.5, 1O01, 2\r\n" + full)
                                  << Utf8("「1O01」は数値ではありません");
  }

  void startUpFailsWithoutAUsableTable() {
    QFETCH(QString, content);
    QFETCH(QString, problem);
    if (!content.isEmpty()) scratch_->Write(kTable, content.toStdString());
    std::optional<int> status;
    const QString printed = StandardErrorOf([&status] { status = StartTervolin(); });
    QVERIFY(status.has_value());
    QVERIFY(*status != 0);
    QCOMPARE(answerer_->Answered().size(), 1);
    const AnsweredBox& box = answerer_->Answered().first();
    QCOMPARE(box.title, Utf8("Tervolin"));
    QCOMPARE(box.icon, QMessageBox::Critical);
    QVERIFY2(box.text.contains(Utf8(kTable)), qPrintable(box.text));
    QVERIFY2(box.text.contains(QDir::currentPath()), qPrintable(box.text));
    QVERIFY2(box.text.contains(problem), qPrintable(box.text));
    QVERIFY2(printed.contains(box.text), qPrintable(printed));
    QCOMPARE(Shared().Pi, 0.0);
    QCOMPARE(Form1::Existing(), nullptr);
    QVERIFY(!AnyWindowVisible());
  }

  void layoutOfTheStartScreen() {
    Form1& start = Form1::Instance();
    QCOMPARE(start.windowTitle(), Utf8("  Tervolin"));
    QCOMPARE(start.size(), QSize(783, 549));
    QCOMPARE(start.minimumSize(), start.maximumSize());
    QCOMPARE(start.windowFlags() & Qt::WindowType_Mask, Qt::Dialog);
    QVERIFY(!(start.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(start.windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!start.windowIcon().isNull());

    const QColor blue(0, 0, 255), black(0, 0, 0);
    const LabelExpectation labels[] = {
        {&Form1::Label1, "干渉性散乱（レイリー散乱）  非干渉性散乱（コンプトン散乱）", {48, 16}, 24, blue},
        {&Form1::Label3, "Coherent scattering", {88, 48}, 24, black},
        {&Form1::Label4, "Incoherent scattering", {448, 48}, 24, black},
        {&Form1::Label2, "散乱角度の確率密度分布", {240, 88}, 27, blue},
        {&Form1::Label5, "物質中で", {480, 160}, 19, black},
        {&Form1::Label6, "干渉性散乱および非干渉性散乱が", {480, 184}, 19, black},
        {&Form1::Label7, "起こった時、どの角度(θ)方向へ", {480, 208}, 19, black},
        {&Form1::Label8, "散乱されるかの確率密度分布を", {480, 232}, 19, black},
        {&Form1::Label9, "理論的に計算して表示します", {480, 256}, 19, black},
    };
    for (const LabelExpectation& e : labels) {
      QLabel* label = start.*e.member;
      QCOMPARE(label->text(), Utf8(e.text));
      QCOMPARE(label->pos(), e.at);
      QCOMPARE(label->font().pixelSize(), e.pixelSize);
      QCOMPARE(label->palette().color(QPalette::WindowText), e.colour);
      QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));  // nothing cut off
    }
    QCOMPARE(start.Label10->geometry(), QRect(543, 504, 155, 17));
    QCOMPARE(start.Label10->palette().color(QPalette::WindowText), QColor(128, 128, 128));
    QVERIFY(start.Label10->alignment() & Qt::AlignHCenter);
    QVERIFY(!start.Label10->text().isEmpty());
    QCOMPARE(start.Picture1->geometry(), QRect(24, 152, 430, 359));
    QCOMPARE(start.Picture2->geometry(), QRect(728, 496, 32, 32));
  }

  void buttonsOfTheStartScreen() {
    Form1& start = Form1::Instance();
    start.ShowScreen();
    const char* const texts[] = {"干渉性散乱", "非干渉性散乱", "終　了"};
    const int tops[] = {312, 368, 432};
    QPushButton* const buttons[] = {start.Command1, start.Command2, start.Command3};
    for (int i = 0; i < 3; ++i) {
      QCOMPARE(buttons[i]->text(), Utf8(texts[i]));
      QCOMPARE(buttons[i]->geometry(), QRect(528, tops[i], 185, 41));
      QCOMPARE(buttons[i]->font().pixelSize(), 19);
      QCOMPARE(FaceColour(buttons[i]), QColor(255, 255, 192));
      QVERIFY(!buttons[i]->isDefault() && !buttons[i]->autoDefault());
    }

    // Tab goes round the three buttons in order.
    start.Command1->setFocus();
    for (QPushButton* next : {start.Command2, start.Command3, start.Command1}) {
      QTest::keyClick(start.focusWidget(), Qt::Key_Tab);
      QCOMPARE(start.focusWidget(), next);
    }

    // Neither Enter nor Escape presses a button by itself.
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) QTest::keyClick(start.Command1, key);
    QCOMPARE(Form2::Existing(), nullptr);
    QVERIFY(start.isVisible());
  }

  void theExplanationButtonsOpenTheirScreens() {
    Form1& start = Form1::Instance();
    start.ShowScreen();
    Click(start.Command2);
    QVERIFY(IsShown(Form3::Existing()));
    QCOMPARE(Form2::Existing(), nullptr);
    QVERIFY(!start.isVisible());
    Click(Form3::Existing()->Command2);
    Click(start.Command1);
    QVERIFY(IsShown(Form2::Existing()));
    QVERIFY(!IsShown(Form3::Existing()));
    QVERIFY(!start.isVisible());
    QCOMPARE(Shared().ScatterType, 0);  // nothing is fixed before 次へ進む
  }

  void quitDeletesTheSpectrumFileAndEndsTheProgram() {
    scratch_->Write(kTable, AttenuationTable(300));
    WriteOwnSpectrumFile();
    QCOMPARE(StartTervolin(), std::nullopt);
    bool deletedAtOnce = false, windowsLeftVisible = true, closed = true;
    const int status = RunUntilEnd([&] {
      Click(Form1::Existing()->Command3);
      deletedAtOnce = !Exists(kSpectrum);
      windowsLeftVisible = AnyWindowVisible();
      closed = Form1::Existing() == nullptr;       // the close handler did not run
      scratch_->Write(kSpectrum, SpectrumFile());  // a second delete would take this one
    });
    QCOMPARE(status, 0);
    QVERIFY(deletedAtOnce);
    QVERIFY(!windowsLeftVisible);
    QVERIFY(!closed);
    QVERIFY(Exists(kSpectrum));
    QVERIFY(answerer_->Answered().isEmpty());
  }

  void quitWithoutASpectrumFileSaysNothing() {
    scratch_->Write(kTable, AttenuationTable(300));
    QCOMPARE(StartTervolin(), std::nullopt);
    QCOMPARE(RunUntilEnd([] { Click(Form1::Existing()->Command3); }), 0);
    QVERIFY(!Exists(kSpectrum));
    QVERIFY(answerer_->Answered().isEmpty());
  }

  // Another program's file (one this program did not write) stays.
  void quitLeavesAnotherProgramsSpectrumFile() {
    scratch_->Write(kTable, AttenuationTable(300));
    WriteOwnSpectrumFile();
    scratch_->Write(kSpectrum, SpectrumFile());
    QCOMPARE(StartTervolin(), std::nullopt);
    QCOMPARE(RunUntilEnd([] { Click(Form1::Existing()->Command3); }), 0);
    QVERIFY(Exists(kSpectrum));
  }

  void quitLeavesAReadOnlySpectrumFile() {
    scratch_->Write(kTable, AttenuationTable(300));
    WriteOwnSpectrumFile();
    fs::permissions(kSpectrum, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    QCOMPARE(StartTervolin(), std::nullopt);
    QCOMPARE(RunUntilEnd([] { Click(Form1::Existing()->Command3); }), 0);
    QVERIFY(Exists(kSpectrum));
    QVERIFY(answerer_->Answered().isEmpty());
  }

  void closeBoxEndsTheProgramAfterOtherScreensWereUsed() {
    scratch_->Write(kTable, AttenuationTable(300));
    QCOMPARE(StartTervolin(), std::nullopt);
    Form1* start = Form1::Existing();
    Click(start->Command1);
    Click(Form2::Existing()->Command3);                // data source
    Click(Form6::Existing()->Command1);                // ... hidden again
    Click(Form2::Existing()->Command5);                // spectral method, left open
    Click(Form2::Existing()->Command1);                // calculation screen
    Click(Form4::Existing()->Command3);                // back to the start screen
    QVERIFY(start->isVisible());
    Click(start->Command2);
    Click(Form3::Existing()->Command2);
    QVERIFY(start->isVisible());
    WriteOwnSpectrumFile();
    bool windowsLeftVisible = true;
    const int status = RunUntilEnd([&] {
      start->close();
      windowsLeftVisible = AnyWindowVisible();
    });
    QCOMPARE(status, 0);
    QVERIFY(!windowsLeftVisible);
    QVERIFY(!Exists(kSpectrum));
    QVERIFY(answerer_->Answered().isEmpty());
  }

  void terminationSignalEndsTheProgramAsQuitDoes_data() {
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGINT") << SIGINT;
    QTest::newRow("SIGHUP") << SIGHUP;
  }

  void terminationSignalEndsTheProgramAsQuitDoes() {
    QFETCH(int, signal);
    scratch_->Write(kTable, AttenuationTable(300));
    WriteOwnSpectrumFile();
    const TerminationSignals endOnSignal([] { Form1::Instance().Form1_Command3_Click(); });
    QCOMPARE(StartTervolin(), std::nullopt);
    bool leftToTheLoop = false;
    const int status = RunUntilEnd([&] {
      std::raise(signal);
      leftToTheLoop = Exists(kSpectrum) && AnyWindowVisible();  // the handler itself ends nothing
    });
    QCOMPARE(status, 0);
    QVERIFY(leftToTheLoop);
    QVERIFY(!Exists(kSpectrum));
    QVERIFY(answerer_->Answered().isEmpty());
  }

  void anIgnoredSignalStaysIgnoredAndAllAreRestoredAfterwards() {
    std::signal(SIGHUP, SIG_IGN);               // as nohup leaves it
    const auto termination = Handler(SIGTERM);  // the test framework's own
    {
      const TerminationSignals endOnSignal([] {});
      QVERIFY(Handler(SIGHUP) == SIG_IGN);
      QVERIFY(Handler(SIGTERM) != termination);
    }
    QVERIFY(Handler(SIGHUP) == SIG_IGN);
    QVERIFY(Handler(SIGTERM) == termination);
    std::signal(SIGHUP, SIG_DFL);
  }

 private:
  std::unique_ptr<ScratchDirectory> scratch_;
  std::unique_ptr<ModalAnswerer> answerer_;
};

QTEST_MAIN(StartScreenTest)
#include "test_start_screen.moc"
