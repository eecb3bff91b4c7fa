#pragma once

#include "platform/clock.h"

#include <functional>
#include <thread>

namespace orvane {

// Where the logger waits, and learns that it is to end.
class StopWait {
public:
  virtual ~StopWait() = default;
  virtual bool stopRequested() const = 0;
  // Waits `duration` or until a stop is asked, whichever comes first; true when a stop was asked.
  virtual bool waitFor(Clock::Duration duration) = 0;
};

// SIGINT and SIGTERM, caught for as long as this lives. A handler writes to a pipe that every wait
// watches, so a signal ends a wait at once; nothing polls in between. A thread of its own watches
// the pipe as well and runs `onStop` when a signal comes, for what must be ended from outside (a
// link waiting on the drive).
class SignalStop final : public StopWait {
public:
  explicit SignalStop(std::function<void()> onStop = {});
  ~SignalStop() override;
  SignalStop(const SignalStop&) = delete;
  SignalStop& operator=(const SignalStop&) = delete;

  bool stopRequested() const override;
  bool waitFor(Clock::Duration duration) override;

private:
  std::jthread watcher_;
};

} // namespace orvane
