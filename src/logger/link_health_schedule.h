#pragma once

#include "link/link_health.h"
#include "platform/clock.h"

#include <optional>

namespace orvane {

// When the logger says how the link fares: a status line at most once a minute, and only when the
// time-outs, retries or late ticks changed since the last one (the exchanges grow at every tick),
// so that a week of a healthy line is not a week of lines; an
// Events.CSV line with the counts since the last such line once an hour, and at a session's end,
// when they changed, so that summing those lines gives the counts of any day. Used on the
// logger's thread; times on the monotonic clock.
class LinkHealthSchedule {
public:
  static constexpr Clock::Duration kStatusEvery = std::chrono::minutes(1);
  static constexpr Clock::Duration kEventEvery = std::chrono::hours(1);

  explicit LinkHealthSchedule(Clock::Duration start) : lastStatus_(start), lastEvent_(start) {}

  // The counts so far, when a status line is due.
  std::optional<LinkHealth> statusDue(const LinkHealth& total, Clock::Duration now);
  // The counts since the last event line, when one is due; a session's end makes it due at once.
  std::optional<LinkHealth> eventDue(const LinkHealth& total, Clock::Duration now, bool sessionEnd);

private:
  Clock::Duration lastStatus_;
  Clock::Duration lastEvent_;
  LinkHealth said_;
  LinkHealth recorded_;
};

} // namespace orvane
