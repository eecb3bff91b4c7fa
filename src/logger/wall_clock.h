#pragma once

#include <chrono>
#include <ctime>
#include <string>

namespace orvane {

// The time of day, for names and stamps; time-outs and the tick grid use the monotonic Clock.
class WallClock {
public:
  using TimePoint = std::chrono::system_clock::time_point;
  virtual ~WallClock() = default;
  virtual TimePoint now() const = 0;
};

class SystemWallClock final : public WallClock {
public:
  TimePoint now() const override { return std::chrono::system_clock::now(); }
};

// The local calendar time of `when` in the zone TZ names (the system's zone without it).
std::tm localTime(WallClock::TimePoint when);

// "2026-12-06 23:45:10": the local time as status lines give it.
std::string clockText(WallClock::TimePoint when);
// "2026-12-06 23:45:10 +0100": with the UTC offset, as Events.CSV gives it, so that an event in
// the hour the clocks go back through says which of the two it was in.
std::string clockTextWithOffset(WallClock::TimePoint when);

} // namespace orvane
