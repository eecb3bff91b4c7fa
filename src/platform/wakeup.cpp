#include "platform/wakeup.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace orvane {

Wakeup::Wakeup() : fd_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

Wakeup::~Wakeup() {
  if (fd_ >= 0)
    ::close(fd_);
}

void Wakeup::raise() {
  const std::lock_guard lock(mutex_);
  if (raised_)
    return;
  raised_ = true;
  const std::uint64_t one = 1;
  [[maybe_unused]] const ssize_t written = ::write(fd_, &one, sizeof one);
}

void Wakeup::clear() {
  const std::lock_guard lock(mutex_);
  raised_ = false;
  std::uint64_t count = 0;
  [[maybe_unused]] const ssize_t taken = ::read(fd_, &count, sizeof count);
}

bool Wakeup::raised() const {
  const std::lock_guard lock(mutex_);
  return raised_;
}

// One system call a sleep: the link sleeps some thirty times a tick, each
// wake a task switch that the machine pays for.
bool Wakeup::sleepFor(std::chrono::nanoseconds duration) {
  using std::chrono::steady_clock;
  const auto end = steady_clock::now() + duration;
  for (;;) {
    const auto left = std::max(end - steady_clock::now(), steady_clock::duration::zero());
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(left);
    const timespec timeout{static_cast<time_t>(seconds.count()),
                           static_cast<long>(std::chrono::nanoseconds(left - seconds).count())};
    pollfd watched{fd_, POLLIN, 0};
    const int ready = ::ppoll(&watched, 1, &timeout, nullptr);
    if (ready > 0)
      return false;
    if (ready == 0 || errno != EINTR)
      return true;
  }
}

} // namespace orvane
