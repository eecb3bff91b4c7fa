#include "logger/link_health_schedule.h"

namespace orvane {

namespace {

// What is news on a healthy line: the exchanges alone grow at every tick.
bool faultsDiffer(const LinkHealth& a, const LinkHealth& b) {
  return a.timeouts != b.timeouts || a.retries != b.retries || a.lateTicks != b.lateTicks;
}

} // namespace

std::optional<LinkHealth> LinkHealthSchedule::statusDue(const LinkHealth& total, Clock::Duration now) {
  if (now - lastStatus_ < kStatusEvery || !faultsDiffer(total, said_))
    return std::nullopt;
  lastStatus_ = now;
  said_ = total;
  return total;
}

std::optional<LinkHealth> LinkHealthSchedule::eventDue(const LinkHealth& total, Clock::Duration now,
                                                       bool sessionEnd) {
  if (!sessionEnd && now - lastEvent_ < kEventEvery)
    return std::nullopt;
  lastEvent_ = now;
  if (total == recorded_)
    return std::nullopt;
  const LinkHealth since = total - recorded_;
  recorded_ = total;
  return since;
}

} // namespace orvane
