#include "logger/stop_wait.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <unistd.h>

namespace orvane {
namespace {

// A signal handler has no object to reach, only what is static: the pipe's write end and the
// signal taken. Only one SignalStop lives at a time.
volatile std::sig_atomic_t caughtSignal = 0;
std::atomic<bool> closing = false;
int wakeWriteEnd = -1;
int wakeReadEnd = -1;

void onStopSignal(int number) {
  const int saved = errno;
  caughtSignal = number;
  const char byte = 1;
  // A full pipe already holds a wake; the result is not needed (a cast does not silence a
  // fortified build).
  [[maybe_unused]] const ssize_t written = ::write(wakeWriteEnd, &byte, 1);
  errno = saved;
}

void setHandler(int number, void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = 0; // no SA_RESTART: a system call under way returns EINTR
  sigaction(number, &action, nullptr);
}

} // namespace

SignalStop::SignalStop(std::function<void()> onStop) {
  int ends[2];
  if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0)
    throw std::runtime_error("no pipe for the stop signals");
  wakeReadEnd = ends[0];
  wakeWriteEnd = ends[1];
  caughtSignal = 0;
  setHandler(SIGINT, onStopSignal);
  setHandler(SIGTERM, onStopSignal);
  // A status line to a reader that has gone must not end the recording.
  setHandler(SIGPIPE, SIG_IGN);
  closing = false;
  if (onStop)
    watcher_ = std::jthread([action = std::move(onStop)] {
      pollfd wake{wakeReadEnd, POLLIN, 0};
      while (::poll(&wake, 1, -1) < 0 && errno == EINTR) {
      }
      if (!closing)
        action();
    });
}

SignalStop::~SignalStop() {
  setHandler(SIGINT, SIG_DFL);
  setHandler(SIGTERM, SIG_DFL);
  if (watcher_.joinable()) {
    closing = true;
    const char byte = 0;
    [[maybe_unused]] const ssize_t written = ::write(wakeWriteEnd, &byte, 1);
    watcher_.join();
  }
  ::close(wakeReadEnd);
  ::close(wakeWriteEnd);
  wakeReadEnd = wakeWriteEnd = -1;
}

bool SignalStop::stopRequested() const { return caughtSignal != 0; }

bool SignalStop::waitFor(Clock::Duration duration) {
  using std::chrono::milliseconds;
  const auto deadline = std::chrono::steady_clock::now() + duration;
  while (!stopRequested()) {
    const auto left = std::chrono::ceil<milliseconds>(deadline - std::chrono::steady_clock::now()).count();
    if (left <= 0)
      return false;
    pollfd wake{wakeReadEnd, POLLIN, 0};
    ::poll(&wake, 1, static_cast<int>(left));
  }
  return true;
}

} // namespace orvane
