#pragma once

#include "fakes/fake_clock.h"
#include "fakes/fixed_zone.h"
#include "fakes/temporary_folder.h"
#include "logger/stop_wait.h"
#include "logger/wall_clock.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace orvane::testing {

// The time of day, moving with the fake clock from `start`.
class FollowingWallClock final : public WallClock {
public:
  FollowingWallClock(const FakeClock& clock, std::time_t start)
      : clock_(clock), origin_(clock.now()), start_(std::chrono::system_clock::from_time_t(start)) {}
  TimePoint now() const override {
    return start_ + std::chrono::duration_cast<std::chrono::system_clock::duration>(clock_.now() - origin_);
  }
  // The clock is set forward (or back, with a negative step), as NTP or a person sets it.
  void step(std::chrono::seconds by) { start_ += by; }

private:
  const FakeClock& clock_;
  Clock::Duration origin_;
  TimePoint start_;
};

// Waits on the fake clock, and at given times (from its making) does what a test scripts there:
// the drive falls silent, the device vanishes, a person clears a trip. A stop is asked at `stopAt`.
class ScriptedStop final : public StopWait {
public:
  ScriptedStop(FakeClock& clock, Clock::Duration stopAt) : clock_(clock), origin_(clock.now()), stopAt_(stopAt) {}

  void at(Clock::Duration when, std::function<void()> action) { actions_.emplace(when, std::move(action)); }
  bool stopRequested() const override { return clock_.now() - origin_ >= stopAt_; }
  bool waitFor(Clock::Duration duration) override {
    clock_.advance(std::min(duration, std::max(Clock::Duration::zero(), origin_ + stopAt_ - clock_.now())));
    while (!actions_.empty() && actions_.begin()->first <= clock_.now() - origin_) {
      actions_.begin()->second();
      actions_.erase(actions_.begin());
    }
    return stopRequested();
  }

private:
  FakeClock& clock_;
  Clock::Duration origin_;
  Clock::Duration stopAt_;
  std::multimap<Clock::Duration, std::function<void()>> actions_;
};

} // namespace orvane::testing
