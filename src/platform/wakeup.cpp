#include "platform/wakeup.h"

#include <cstdint>
#include <sys/eventfd.h>
#include <unistd.h>

namespace orvane {

Wakeup::Wakeup() : fd_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

Wakeup::~Wakeup() {
  if (fd_ >= 0)
    ::close(fd_);
}

void Wakeup::raise() {
  {
    const std::lock_guard lock(mutex_);
    if (raised_)
      return;
    raised_ = true;
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = ::write(fd_, &one, sizeof one);
  }
  raisedChanged_.notify_all();
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

bool Wakeup::sleepFor(std::chrono::nanoseconds duration) {
  std::unique_lock lock(mutex_);
  return !raisedChanged_.wait_for(lock, duration, [this] { return raised_; });
}

} // namespace orvane
