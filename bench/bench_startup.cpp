// Start-up to the first painted start screen, beside a bare Qt program that shows
// and paints one fixed-size window of the same size, on the same platform.
//   bench_startup tervolin|bare   (working directory: one holding Mus2018.dat)
// Prints "<microseconds from main to first paint> <peak resident KiB>".
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "ui/fonts.h"
#include "ui/screen_set.h"
#include "ui/start_screen.h"

using namespace tervolin::ui;

namespace {

// Ends the event loop at the first paint of the watched window.
class FirstPaint : public QObject {
 public:
  explicit FirstPaint(QElapsedTimer& clock) : clock_(clock) {}
  qint64 micros = -1;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && micros < 0) {
      micros = clock_.nsecsElapsed() / 1000;
      QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QElapsedTimer& clock_;
};

QWidget* ShowTervolin(ScreenSet& screens) {
  StartScreen& start = screens.Start();
  if (!start.Load()) return nullptr;
  return &start;
}

QWidget* ShowBareWindow() {
  auto* window = new QWidget;
  window->setFixedSize(783, 549);
  return window;
}

}  // namespace

int main(int argc, char** argv) {
  QElapsedTimer clock;
  clock.start();
  const bool tervolin = argc > 1 && std::strcmp(argv[1], "tervolin") == 0;
  if (tervolin) InstallFontSubstitutions();
  QApplication app(argc, argv);
  ScreenSet screens(std::filesystem::current_path());
  QWidget* window = tervolin ? ShowTervolin(screens) : ShowBareWindow();
  if (window == nullptr) return 1;
  FirstPaint firstPaint(clock);
  window->installEventFilter(&firstPaint);
  window->show();
  app.exec();
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("%lld %ld\n", static_cast<long long>(firstPaint.micros), usage.ru_maxrss);
  return 0;
}
