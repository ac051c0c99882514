#pragma once
// SIGTERM, SIGINT and SIGHUP (the desktop's logout among them) end the program
// through the event loop: the handler only writes a byte to a socket pair, and the
// loop, on reading it, runs the action given (the exit button's path). While an
// object of this class lives it owns the three signals; afterwards they do what they
// did before.
//
// The handler may run on any of the program's threads, Qt's helper threads among
// them, where a file replacement cannot hold the signal back; it therefore also
// notes the signal, and the replacements the desktop makes (DesktopFileCalls) cancel
// themselves when they find it noted before their rename, so the old file stays.

#include <QObject>
#include <functional>

#include "data/file_system_calls.h"

class QSocketNotifier;

namespace tervolin::ui {

class TerminationSignals : public QObject {
  Q_OBJECT

 public:
  explicit TerminationSignals(std::function<void()> end);
  ~TerminationSignals() override;
  TerminationSignals(const TerminationSignals&) = delete;
  TerminationSignals& operator=(const TerminationSignals&) = delete;

 private:
  void Received();

  std::function<void()> end_;
  QSocketNotifier* notifier_ = nullptr;
};

// Whether the handler caught an ending signal since the object was made.
bool EndingSignalCaught();

// The system's calls, with the check for an ending signal caught on another thread.
tervolin::FileSystemCalls DesktopFileCalls();

}  // namespace tervolin::ui
