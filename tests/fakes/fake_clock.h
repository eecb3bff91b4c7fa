#pragma once

#include "platform/clock.h"

#include <vector>

namespace orvane::testing {

// A clock that only moves when told to, or when someone sleeps on it.
class FakeClock final : public Clock {
public:
  Duration now() const override { return now_; }
  void sleepFor(Duration duration) override {
    sleeps.push_back(duration);
    now_ += duration;
  }
  void advance(Duration duration) { now_ += duration; }

  std::vector<Duration> sleeps;

private:
  Duration now_{std::chrono::hours(1)};
};

} // namespace orvane::testing
