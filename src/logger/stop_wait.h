#pragma once

#include "platform/clock.h"

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
// watches, so a signal ends a wait at once; nothing polls in between.
class SignalStop final : public StopWait {
public:
  SignalStop();
  ~SignalStop() override;
  SignalStop(const SignalStop&) = delete;
  SignalStop& operator=(const SignalStop&) = delete;

  bool stopRequested() const override;
  bool waitFor(Clock::Duration duration) override;
  // The signal that asked for the stop, 0 before.
  int signalNumber() const;
};

} // namespace orvane
