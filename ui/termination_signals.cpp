#include "ui/termination_signals.h"

#include <QSocketNotifier>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <iterator>
#include <sys/socket.h>
#include <unistd.h>
#include <utility>

namespace tervolin::ui {

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

int g_pair[2] = {-1, -1};  // [0] written by the handler, [1] read by the event loop
// Set by the handler on whichever thread it runs; a file replacement under way
// checks it before its rename (lock-free, so safe in the handler).
std::atomic<bool> g_caught{false};
static_assert(std::atomic<bool>::is_always_lock_free);
struct sigaction g_previous[std::size(kSignals)];

// Async-signal-safe: one write, errno kept. A full socket already holds a wake-up.
void OnSignal(int) {
  const int saved = errno;
  g_caught.store(true);
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(g_pair[0], &byte, 1);
  errno = saved;
}

// A signal ignored when the program started (SIGHUP under nohup, SIGINT for a
// background job) stays ignored.
void Install() {
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (std::size_t i = 0; i < std::size(kSignals); ++i) {
    sigaction(kSignals[i], nullptr, &g_previous[i]);
    if (g_previous[i].sa_handler != SIG_IGN) sigaction(kSignals[i], &action, nullptr);
  }
}

void Restore() {
  for (std::size_t i = 0; i < std::size(kSignals); ++i) sigaction(kSignals[i], &g_previous[i], nullptr);
}

}  // namespace

TerminationSignals::TerminationSignals(std::function<void()> end) : end_(std::move(end)) {
  g_caught.store(false);
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_pair) != 0) return;  // signals keep their default
  ::fcntl(g_pair[0], F_SETFL, O_NONBLOCK);
  ::fcntl(g_pair[1], F_SETFL, O_NONBLOCK);
  notifier_ = new QSocketNotifier(g_pair[1], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::Received);
  Install();
}

TerminationSignals::~TerminationSignals() {
  if (notifier_ == nullptr) return;
  Restore();
  delete notifier_;
  ::close(g_pair[0]);
  ::close(g_pair[1]);
  g_pair[0] = g_pair[1] = -1;
}

void TerminationSignals::Received() {
  char bytes[64];
  while (::read(g_pair[1], bytes, sizeof bytes) > 0) continue;  // one end for any number of signals
  if (end_) end_();
}

bool EndingSignalCaught() { return g_caught.load(); }

tervolin::FileSystemCalls DesktopFileCalls() {
  tervolin::FileSystemCalls calls;
  calls.endingSignalCaught = EndingSignalCaught;
  return calls;
}

}  // namespace tervolin::ui
