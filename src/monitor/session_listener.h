#pragma once

#include "acquisition/reading.h"
#include "state/shared_state.h"

#include <string>

namespace orvane {

// Who else follows a monitoring session besides the window: a publisher, for one. Every call
// comes on the user-interface thread, where the read-outs and the graph take the same values; a
// listener that must not delay the tick hands its work on at once.
class SessionListener {
public:
  virtual ~SessionListener() = default;
  // Monitoring began: the drive identified, its maximum frequency read, the session log started.
  virtual void started(const SharedState& state) = 0;
  // A tick's reading as it is shown and logged; `sessionSeconds` is its time in the session log.
  virtual void sampled(const Reading& reading, double sessionSeconds) = 0;
  // The drive showed a trip; monitoring waits for the reset.
  virtual void tripped(const std::string& displayText) = 0;
  // A read without an answer ends the session; the stop follows.
  virtual void failed(const std::string& reason) = 0;
  // "Stop Monitor", asked for or after a failure.
  virtual void stopped() = 0;
};

} // namespace orvane
