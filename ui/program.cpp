#include "ui/program.h"

#include <QApplication>
#include <QList>
#include <QPointer>
#include <QWidget>
#include <filesystem>

#include "ui/fonts.h"
#include "ui/qt_translations.h"
#include "ui/data_folder.h"
#include "ui/screen_set.h"
#include "ui/start_screen.h"
#include "ui/termination_signals.h"

namespace tervolin::ui {

namespace {

constexpr int kCannotStart = 1;

// Deletes every window that is left; deleting runs no close handler.
void DiscardWindows() {
  QList<QPointer<QWidget>> windows;
  for (QWidget* window : QApplication::topLevelWidgets()) windows.append(window);
  for (const QPointer<QWidget>& window : windows) delete window.data();
}

}  // namespace

int RunTervolin(int argc, char** argv) {
  QApplication application(argc, argv);
  // Lets the desktop match the windows to the installed desktop entry and its icon.
  QGuiApplication::setDesktopFileName(QStringLiteral(TERVOLIN_APP_ID));
  // Where the settings the user chose are kept (~/.config/tervolin/tervolin.conf).
  QCoreApplication::setOrganizationName(QStringLiteral("tervolin"));
  QCoreApplication::setApplicationName(QStringLiteral("tervolin"));
  // A signal during start-up is handled once the program waits for events.
  ScreenSet screens(DataFolder());
  const TerminationSignals endOnSignal([&screens] { screens.Start().onQuitClicked(); });
  if (const std::optional<int> status = StartTervolin(screens)) return *status;
  return WaitForProgramEnd();
}

std::optional<int> StartTervolin(ScreenSet& screens) {
  InstallFontSubstitutions();
  InstallLanguage(screens.Bench().TextLanguage());
  QApplication::setQuitOnLastWindowClosed(false);
  StartScreen& start = screens.Start();
  if (!start.Load()) {
    delete &start;
    return kCannotStart;
  }
  start.ShowScreen();
  return std::nullopt;
}

int WaitForProgramEnd() {
  const int status = QApplication::exec();
  DiscardWindows();
  return status;
}

}  // namespace tervolin::ui
