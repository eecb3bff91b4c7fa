#pragma once

#include "logger/status_lines.h"
#include "platform/clock.h"

#include <map>
#include <string>

namespace orvane {

// Status lines for conditions that repeat (the publisher's queue full at every sample, a disk
// that refuses every try): the first at once, then at most one a minute, with how often the
// condition came since the last line. The longer a condition lasts, the less news each line is:
// the quiet time doubles after every line, up to an hour, so a broker down for two days says so
// some fifty times, not three thousand. A condition unheard of for longer than its quiet time
// has ended; when it comes again it is said at once. A journal that keeps a bounded number of
// lines keeps the logger's history rather than a week of one complaint. Used on the logger's
// thread.
class RepeatedStatus {
public:
  static constexpr Clock::Duration kQuietTime = std::chrono::minutes(1);
  static constexpr Clock::Duration kLongestQuietTime = std::chrono::hours(1);

  RepeatedStatus(const StatusLines& status, const Clock& clock) : status_(status), clock_(clock) {}

  // `condition` tells repeats apart; `kind` and `text` as StatusLines::report takes them.
  void report(const std::string& condition, const std::string& kind, const std::string& text);
  // The condition is over (the drive answers again): its next report is said at once.
  void ended(const std::string& condition) { conditions_.erase(condition); }

private:
  struct Repeats {
    Clock::Duration lastLine{};
    Clock::Duration lastHeard{};
    Clock::Duration quiet = kQuietTime;
    int unsaid = 0;
  };

  const StatusLines& status_;
  const Clock& clock_;
  std::map<std::string, Repeats> conditions_;
};

} // namespace orvane
