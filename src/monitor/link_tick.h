#pragma once

#include "acquisition/acquisition.h"
#include "acquisition/reading.h"
#include "acquisition/tick_outcome.h"
#include "link/link.h"
#include "monitor/session_log.h"

#include <optional>

namespace orvane {

// A tick's work on the link's thread, and only there: the drive read whole by
// the plan, the reading taken into the values shown and logged, and the
// session log line written, so that the window never waits on the disk and a
// tick under way at Exit still gets its line. What the window shows of it
// comes as one TickOutcome.
class LinkTick {
public:
  LinkTick(Link& link, Acquisition& acquisition, const SessionLog& log)
      : link_(link), acquisition_(acquisition), log_(log) {}

  // The drive read whole; nothing when a stop gave up a late reply, so the
  // tick is dropped whole. Throws PortOpenError.
  std::optional<Reading> read(const TickPlan& plan);
  // The reading as the window is to show it, with its log line written when
  // the tick has one: none for a trip, a display that cannot be read, a graph
  // quantity whose read failed, or any failure once the session has stopped
  // (`finishing`). The first line of a session (`newSession`) is at time 0.
  TickOutcome record(Reading reading, const TickPlan& plan, bool finishing, bool newSession);

private:
  Link& link_;
  Acquisition& acquisition_;
  const SessionLog& log_;
  ShownValues shown_;
  LoggedValues logged_;
  // The session time of the last line written, and whether one was.
  float elapsed_ = 0;
  bool logstarted_ = false;
};

} // namespace orvane
