#pragma once

#include "acquisition/reading.h"
#include "link/link_health.h"
#include "platform/clock.h"

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace orvane {

// The drive a session follows, as it was identified at the session's start.
struct SessionDrive {
  std::string model;
  std::optional<float> ratedCurrent; // A; nothing until the drive tells it
  float maxFrequency = 0;            // Hz
  int rateTenths = 5;                // tenths of a second between two samples
};

// Something that happened to the monitoring: a session (or the recording) started or ended, the
// drive tripped (with its display text and, when read, its trip history, one decoded line a trip),
// the link failed (with the reason) or came back, a limit began to count or is over (the text
// starting with the limit's name and a colon), the wall clock was set (the times before and after).
struct SessionEvent {
  enum class Kind { start, trip, failure, reconnection, stop, limit, limitCleared, clockChanged };
  Kind kind = Kind::start;
  std::string text;
  std::vector<std::string> tripHistory;
};

// Who follows what a session produces besides the program's own read-outs and files: a publisher
// and the window's limits, for two. The window and the logger tell it the same things in the same
// words. Called on the thread that owns the session's results (the window's in the window, the
// logger's in the logger); a consumer that must not delay the next tick hands its work on at once.
class SessionConsumer {
public:
  using WallTime = std::chrono::system_clock::time_point;

  virtual ~SessionConsumer() = default;
  // The drive identified and its session begun.
  virtual void identified(const SessionDrive& drive) = 0;
  // A tick's reading once its line is in the session log (or known to stay unwritten);
  // `sessionSeconds` is its time column there, `when` the tick's time on the wall clock.
  virtual void sampled(WallTime when, double sessionSeconds, const Reading& reading) = 0;
  virtual void happened(WallTime when, const SessionEvent& event) = 0;
  // The link's counts so far, as often as the program reads them; `now` on the monotonic clock.
  virtual void linkCounted(const LinkHealth& total, Clock::Duration now) = 0;
};

} // namespace orvane
