#pragma once

#include "logger/status_lines.h"
#include "platform/clock.h"

#include <map>
#include <string>

namespace orvane {

// Status lines for conditions that repeat (the publisher's queue full at every sample, a disk
// that refuses every try): the first at once, then at most one a minute, with how often the
// condition came since the last line. A journal that keeps a bounded number of lines keeps the
// logger's history rather than a week of one complaint. Used on the logger's thread.
class RepeatedStatus {
public:
  static constexpr Clock::Duration kQuietTime = std::chrono::minutes(1);

  RepeatedStatus(const StatusLines& status, const Clock& clock) : status_(status), clock_(clock) {}

  // `condition` tells repeats apart; `kind` and `text` as StatusLines::report takes them.
  void report(const std::string& condition, const std::string& kind, const std::string& text);

private:
  struct Repeats {
    Clock::Duration lastLine{};
    int unsaid = 0;
  };

  const StatusLines& status_;
  const Clock& clock_;
  std::map<std::string, Repeats> conditions_;
};

} // namespace orvane
