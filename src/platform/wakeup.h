#pragma once

#include <chrono>
#include <mutex>

namespace orvane {

// A signal that ends a sleep or a wait on the serial device early, raised from
// any thread. It stays raised until cleared, so a signal that comes just
// before the sleep begins still ends it at once. The file descriptor becomes
// readable while the signal is raised, for waits that poll a device.
class Wakeup {
public:
  Wakeup();
  ~Wakeup();
  Wakeup(const Wakeup&) = delete;
  Wakeup& operator=(const Wakeup&) = delete;

  void raise();
  void clear();
  bool raised() const;

  // Sleeps until the time has passed or the signal is raised; false if raised.
  bool sleepFor(std::chrono::nanoseconds duration);
  // Readable while raised.
  int fileDescriptor() const { return fd_; }

private:
  mutable std::mutex mutex_;
  bool raised_ = false;
  int fd_ = -1;
};

} // namespace orvane
