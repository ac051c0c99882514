// A termination signal (SIGTERM, SIGINT, SIGHUP) ends the program as the exit button
// does, from the event loop: the spectrum file is removed and the loop ends with 0.

#include <QTimer>
#include <QtTest>
#include <csignal>
#include <filesystem>
#include <functional>
#include <memory>

#include "modal_answerer.h"
#include "screen_checks.h"
#include "support/scratch_directory.h"
#include "ui/program.h"
#include "ui/start_screen.h"
#include "ui/termination_signals.h"

using namespace tervolin::ui;
using namespace tervolin::testing;

namespace {

const char* const kSpectrum = "P_Spectrum.dat";

std::string AttenuationTable() {
  std::string text;
  for (int n = 1; n <= 300; ++n) text += std::to_string(n * 0.5) + ", 1, 2, 3, 4, 5, 6\n";
  return text;
}

// The program's event loop with `step` run once it waits; its exit status, or 99 when
// it did not end within ten seconds.
int RunUntilEnd(const std::function<void()>& step) {
  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
  watchdog.start(10000);
  QTimer::singleShot(0, step);
  return WaitForProgramEnd();
}

void EndAsTheExitButton() { Form1::Instance().Form1_Command3_Click(); }

}  // namespace

class TerminationSignalsTest : public QObject {
  Q_OBJECT

 private slots:
  void signalEndsTheProgramThroughTheExitPath_data() {
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGINT") << SIGINT;
    QTest::newRow("SIGHUP") << SIGHUP;
  }

  void signalEndsTheProgramThroughTheExitPath() {
    QFETCH(int, signal);
    ScratchDirectory scratch;
    ModalAnswerer answerer;
    scratch.Write("Mus2018.dat", AttenuationTable());
    scratch.Write(kSpectrum, "000.5  1.000E+00\r\n");
    const TerminationSignals endOnSignal(EndAsTheExitButton);
    QCOMPARE(StartTervolin(), std::nullopt);
    bool leftToTheLoop = false;
    const int status = RunUntilEnd([&] {
      std::raise(signal);
      leftToTheLoop = std::filesystem::exists(kSpectrum) && Form1::Existing()->isVisible();
    });
    QCOMPARE(status, 0);
    QVERIFY(leftToTheLoop);  // the handler itself ended nothing
    QVERIFY(!std::filesystem::exists(kSpectrum));
    QVERIFY(answerer.Answered().isEmpty());
  }

  void theSignalsDoWhatTheyDidBeforeAfterwards() {
    std::signal(SIGHUP, SIG_IGN);
    { const TerminationSignals endOnSignal([] {}); }
    struct sigaction now {};
    sigaction(SIGHUP, nullptr, &now);
    QVERIFY(now.sa_handler == SIG_IGN);
    std::signal(SIGHUP, SIG_DFL);
  }
};

QTEST_MAIN(TerminationSignalsTest)
#include "test_termination_signals.moc"
