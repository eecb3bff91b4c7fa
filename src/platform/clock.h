#pragma once

#include "platform/wakeup.h"

#include <chrono>

namespace orvane {

// A monotonic clock for time-outs and pauses; every wait ends after its time
// whatever the time of day.
class Clock {
public:
  using Duration = std::chrono::nanoseconds;

  virtual ~Clock() = default;
  virtual Duration now() const = 0;
  // Blocks for the given time without processing user-interface events.
  virtual void sleepFor(Duration duration) = 0;
  // The same sleep, ended early when `wakeup` is raised; false if it was.
  virtual bool sleepFor(Duration duration, Wakeup& wakeup) {
    if (wakeup.raised())
      return false;
    sleepFor(duration);
    return !wakeup.raised();
  }
};

} // namespace orvane
