#pragma once
// SIGTERM, SIGINT and SIGHUP (the desktop's logout among them) end the program
// through the event loop: the handler only writes a byte to a socket pair, and the
// loop, on reading it, runs the action given (the exit button's path). While an
// object of this class lives it owns the three signals; afterwards they do what they
// did before.

#include <QObject>
#include <functional>

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

}  // namespace tervolin::ui
