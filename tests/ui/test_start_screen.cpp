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
#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <unistd.h>

#include "data/spectrum_file.h"
#include "ui/screen_set.h"
#include "modal_answerer.h"
#include "screen_checks.h"
#include "support/scratch_directory.h"
#include "ui/start_screen.h"
#include "ui/explanation_screen.h"
#include "ui/calculation_screen.h"
#include "ui/data_source_screen.h"
#include "ui/spectral_method_screen.h"
#include "ui/program.h"
#include "ui/termination_signals.h"

using namespace tervolin::ui;

using namespace tervolin::testing;

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

// The spectrum file as the spectrum screen's OK writes it, the one the program removes
// at its end: a spectrum computed on the shipped attenuation table, the test's own
// table put back afterwards.
void WriteOwnSpectrumFile() {
  fs::rename(kTable, "own.dat");
  fs::copy_file(fs::path(TERVOLIN_TABLES_DIR) / kTable, kTable);
  tervolin::TubeSettings tube = tervolin::DefaultTubeSettings();
  QVERIFY(!Program().Bench().ReadTables() && Program().Bench().ComputeSpectrum(tube));
  QVERIFY(!Program().Bench().WriteAndAcceptSpectrum());
  fs::rename("own.dat", kTable);
}

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

// A flush to the disk that takes its time, during which an ending signal is sent to
// the program: it lands on a thread other than the writing one.
int SignalledSlowFlush(int fd) {
  ::kill(::getpid(), SIGTERM);
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  return ::fsync(fd);
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
  QLabel* StartScreen::*member;
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
    scratch_ = std::make_unique<ScratchWorkingDirectory>();
    answerer_ = std::make_unique<ModalAnswerer>();
  }

  void cleanup() {
    answerer_.reset();
    DiscardAllWindows();
    scratch_.reset();
  }

  void startUpReadsTheTableOnceAndShowsTheStartScreen() {
    scratch_->Write(kTable, AttenuationTable(300));
    QCOMPARE(StartTervolin(Program()), std::nullopt);
    QCOMPARE(Program().Bench().Attenuation().tungsten[1], 1001.0);
    QCOMPARE(Program().Bench().Attenuation().aluminium[300], 2300.0);
    QCOMPARE(Program().Bench().Attenuation().copper[300], 3300.0);
    StartScreen* start = Program().ExistingStart();
    QVERIFY(IsShown(start));
    QVERIFY(!IsShown(Program().ExistingExplanation(tervolin::kCoherent)) && !IsShown(Program().ExistingExplanation(tervolin::kIncoherent)));

    // A changed table is not read again on the way to an explanation screen and back.
    scratch_->Write(kTable, AttenuationTable(300, 500));
    Click(start->coherentButton);
    QVERIFY(IsShown(Program().ExistingExplanation(tervolin::kCoherent)));
    QVERIFY(!start->isVisible());
    Click(Program().ExistingExplanation(tervolin::kCoherent)->cancelButton);
    QCOMPARE(Program().ExistingStart(), start);
    QVERIFY(start->isVisible());
    QCOMPARE(Program().Bench().Attenuation().tungsten[1], 1001.0);
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
    const QString printed = StandardErrorOf([&status] { status = StartTervolin(Program()); });
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
    QCOMPARE(Program().Bench().Attenuation().tungsten[1], 0.0);
    QCOMPARE(Program().ExistingStart(), nullptr);
    QVERIFY(!AnyWindowVisible());
  }

  void layoutOfTheStartScreen() {
    StartScreen& start = Program().Start();
    QCOMPARE(start.windowTitle(), Utf8("  Tervolin"));
    QCOMPARE(start.size(), QSize(783, 549));
    QCOMPARE(start.minimumSize(), start.maximumSize());
    QCOMPARE(start.windowFlags() & Qt::WindowType_Mask, Qt::Dialog);
    QVERIFY(!(start.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(start.windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!start.windowIcon().isNull());

    const QColor blue(0, 0, 255), black(0, 0, 0);
    const LabelExpectation labels[] = {
        {&StartScreen::titleLabel, "干渉性散乱（レイリー散乱）  非干渉性散乱（コンプトン散乱）", {48, 16}, 24, blue},
        {&StartScreen::coherentNameLabel, "Coherent scattering", {88, 48}, 24, black},
        {&StartScreen::incoherentNameLabel, "Incoherent scattering", {448, 48}, 24, black},
        {&StartScreen::subjectLabel, "散乱角度の確率密度分布", {240, 88}, 27, blue},
        {&StartScreen::aboutLine1, "物質中で", {480, 160}, 19, black},
        {&StartScreen::aboutLine2, "干渉性散乱および非干渉性散乱が", {480, 184}, 19, black},
        {&StartScreen::aboutLine3, "起こった時、どの角度(θ)方向へ", {480, 208}, 19, black},
        {&StartScreen::aboutLine4, "散乱されるかの確率密度分布を", {480, 232}, 19, black},
        {&StartScreen::aboutLine5, "理論的に計算して表示します", {480, 256}, 19, black},
    };
    for (const LabelExpectation& e : labels) {
      QLabel* label = start.*e.member;
      QCOMPARE(label->text(), Utf8(e.text));
      QCOMPARE(label->pos(), e.at);
      QCOMPARE(label->font().pixelSize(), e.pixelSize);
      QCOMPARE(label->palette().color(QPalette::WindowText), e.colour);
      QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));  // nothing cut off
    }
    QCOMPARE(start.versionLabel->geometry(), QRect(543, 504, 155, 17));
    QCOMPARE(start.versionLabel->palette().color(QPalette::WindowText), QColor(128, 128, 128));
    QVERIFY(start.versionLabel->alignment() & Qt::AlignHCenter);
    QVERIFY(!start.versionLabel->text().isEmpty());
    QCOMPARE(start.atomPicture->geometry(), QRect(24, 152, 430, 359));
    QCOMPARE(start.mascotPicture->geometry(), QRect(728, 496, 32, 32));
  }

  void buttonsOfTheStartScreen() {
    StartScreen& start = Program().Start();
    start.ShowScreen();
    const char* const texts[] = {"干渉性散乱", "非干渉性散乱", "終　了"};
    const int tops[] = {312, 368, 432};
    QPushButton* const buttons[] = {start.coherentButton, start.incoherentButton, start.quitButton};
    for (int i = 0; i < 3; ++i) {
      QCOMPARE(buttons[i]->text(), Utf8(texts[i]));
      QCOMPARE(buttons[i]->geometry(), QRect(528, tops[i], 185, 41));
      QCOMPARE(buttons[i]->font().pixelSize(), 19);
      QCOMPARE(FaceColour(buttons[i]), QColor(255, 255, 192));
      QVERIFY(!buttons[i]->isDefault() && !buttons[i]->autoDefault());
    }

    // Tab goes round the three buttons in order.
    start.coherentButton->setFocus();
    for (QPushButton* next : {start.incoherentButton, start.quitButton, start.coherentButton}) {
      QTest::keyClick(start.focusWidget(), Qt::Key_Tab);
      QCOMPARE(start.focusWidget(), next);
    }

    // Neither Enter nor Escape presses a button by itself.
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) QTest::keyClick(start.coherentButton, key);
    QCOMPARE(Program().ExistingExplanation(tervolin::kCoherent), nullptr);
    QVERIFY(start.isVisible());
  }

  void theExplanationButtonsOpenTheirScreens() {
    StartScreen& start = Program().Start();
    start.ShowScreen();
    Click(start.incoherentButton);
    QVERIFY(IsShown(Program().ExistingExplanation(tervolin::kIncoherent)));
    QCOMPARE(Program().ExistingExplanation(tervolin::kCoherent), nullptr);
    QVERIFY(!start.isVisible());
    Click(Program().ExistingExplanation(tervolin::kIncoherent)->cancelButton);
    Click(start.coherentButton);
    QVERIFY(IsShown(Program().ExistingExplanation(tervolin::kCoherent)));
    QVERIFY(!IsShown(Program().ExistingExplanation(tervolin::kIncoherent)));
    QVERIFY(!start.isVisible());
    QVERIFY(!Program().Bench().Scattering());  // nothing is fixed before 次へ進む
  }

  void quitDeletesTheSpectrumFileAndEndsTheProgram() {
    scratch_->Write(kTable, AttenuationTable(300));
    WriteOwnSpectrumFile();
    QCOMPARE(StartTervolin(Program()), std::nullopt);
    bool deletedAtOnce = false, windowsLeftVisible = true, closed = true;
    const int status = RunUntilEnd([&] {
      Click(Program().ExistingStart()->quitButton);
      deletedAtOnce = !Exists(kSpectrum);
      windowsLeftVisible = AnyWindowVisible();
      closed = Program().ExistingStart() == nullptr;       // the close handler did not run
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
    QCOMPARE(StartTervolin(Program()), std::nullopt);
    QCOMPARE(RunUntilEnd([] { Click(Program().ExistingStart()->quitButton); }), 0);
    QVERIFY(!Exists(kSpectrum));
    QVERIFY(answerer_->Answered().isEmpty());
  }

  // Another program's file (one this program did not write) stays.
  void quitLeavesAnotherProgramsSpectrumFile() {
    scratch_->Write(kTable, AttenuationTable(300));
    WriteOwnSpectrumFile();
    scratch_->Write(kSpectrum, SpectrumFile());
    QCOMPARE(StartTervolin(Program()), std::nullopt);
    QCOMPARE(RunUntilEnd([] { Click(Program().ExistingStart()->quitButton); }), 0);
    QVERIFY(Exists(kSpectrum));
  }

  void quitLeavesAReadOnlySpectrumFile() {
    scratch_->Write(kTable, AttenuationTable(300));
    WriteOwnSpectrumFile();
    fs::permissions(kSpectrum, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    QCOMPARE(StartTervolin(Program()), std::nullopt);
    QCOMPARE(RunUntilEnd([] { Click(Program().ExistingStart()->quitButton); }), 0);
    QVERIFY(Exists(kSpectrum));
    QVERIFY(answerer_->Answered().isEmpty());
  }

  void closeBoxEndsTheProgramAfterOtherScreensWereUsed() {
    scratch_->Write(kTable, AttenuationTable(300));
    QCOMPARE(StartTervolin(Program()), std::nullopt);
    StartScreen* start = Program().ExistingStart();
    Click(start->coherentButton);
    Click(Program().ExistingExplanation(tervolin::kCoherent)->dataSourceButton);                // data source
    Click(Program().ExistingDataSource()->closeButton);                // ... hidden again
    Click(Program().ExistingExplanation(tervolin::kCoherent)->spectralMethodButton);                // spectral method, left open
    Click(Program().ExistingExplanation(tervolin::kCoherent)->nextButton);                // calculation screen
    Click(Program().ExistingCalculation()->returnButton);                // back to the start screen
    QVERIFY(start->isVisible());
    Click(start->incoherentButton);
    Click(Program().ExistingExplanation(tervolin::kIncoherent)->cancelButton);
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
    const TerminationSignals endOnSignal([] { Program().Start().onQuitClicked(); });
    QCOMPARE(StartTervolin(Program()), std::nullopt);
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

  // The signal lands on another thread (the writing one holds it back) while the
  // spectrum file is replaced: the replacement is cancelled all the same, the old
  // file stays, and the program then ends.
  void terminationSignalOnAnotherThreadCancelsAWrite() {
    scratch_->Write(kSpectrum, SpectrumFile());
    bool ended = false;
    const TerminationSignals endOnSignal([&ended] { ended = true; });
    std::thread idle([] { std::this_thread::sleep_for(std::chrono::milliseconds(300)); });
    tervolin::FileSystemCalls calls = DesktopFileCalls();
    calls.fsync = SignalledSlowFlush;
    const auto failure = tervolin::WriteSpectrumFile(kSpectrum, tervolin::EnergyTable{}, tervolin::Language::kJapanese, nullptr, calls);
    idle.join();
    QVERIFY(failure.has_value());
    QVERIFY2(failure->find("終了の合図") != std::string::npos, failure->c_str());
    std::ifstream in(kSpectrum, std::ios::binary);
    QCOMPARE(std::string(std::istreambuf_iterator<char>(in), {}), SpectrumFile());
    QCOMPARE(QDir(".").entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{kSpectrum});
    QTRY_VERIFY(ended);
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
  std::unique_ptr<ScratchWorkingDirectory> scratch_;
  std::unique_ptr<ModalAnswerer> answerer_;
};

QTEST_MAIN(StartScreenTest)
#include "test_start_screen.moc"
