#pragma once

#include "acquisition/reading.h"
#include "session_log/session_log_format.h"

#include <optional>
#include <string>

namespace orvane {

// The values the read-outs and the graph show. A tick that reads none of a
// value keeps the one before: the percent of a drive size with no rated
// current, the direction after a run state that is no known state, a
// quantity whose box is not ticked.
struct ShownValues {
  float frequency = 0;
  std::string direction;
  double current = 0;
  double currentPercent = 0;
  double dcLink = 0;
};

// One tick as the link's thread ends it, handed to the window whole: the
// reading, the values shown after it, and its session log line, already
// written (or why it could not be).
struct TickOutcome {
  Reading reading;
  ShownValues shown;
  // The session was stopped while the drive was read: the tick ends with its
  // graph point and log line alone.
  bool finishing = false;
  // The line's time in the session, when a line was written.
  std::optional<double> loggedAt;
  std::optional<std::string> logFailure;
};

// The reads of the graph's quantities that failed: a trace cannot show them.
bool frequencyFailed(const Reading& reading, bool signedGraph);
bool currentFailed(const Reading& reading);
inline bool dcLinkFailed(const Reading& reading) { return !reading.dcLink; }

// Takes a reading into the values shown and logged, quantity by quantity in
// the order the graph plots them and only for those the plan reads, up to the
// first whose read failed; a quantity not read keeps the last number logged.
// True when none failed: the tick has a log line. The window and the logger
// both log by it, so a run state that is no known state is logged alike.
bool takeGraphReading(const Reading& reading, const TickPlan& plan, ShownValues& shown, LoggedValues& logged);

} // namespace orvane
