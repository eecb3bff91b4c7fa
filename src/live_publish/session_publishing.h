#pragma once

#include "monitor/session_listener.h"
#include "publish/publisher.h"

#include <chrono>
#include <functional>

namespace orvane {

// The window's monitoring session published: the status at each start (model, maximum
// frequency, sample rate; the rated current once a reading brings it), every reading logged, and the events: the
// start, the trip with the drive's display text, a failure with its reason, the stop. Each call only hands a copy
// to the publisher's queue.
class SessionPublishing final : public SessionListener {
public:
  using WallClockNow = std::function<std::chrono::system_clock::time_point()>;

  explicit SessionPublishing(Publisher& publisher, WallClockNow now = std::chrono::system_clock::now)
      : publisher_(publisher), now_(std::move(now)) {}

  void started(const SharedState& state) override;
  void sampled(const Reading& reading, double sessionSeconds) override;
  void tripped(const std::string& displayText) override;
  void failed(const std::string& reason) override { event(EventKind::failure, reason); }
  void stopped() override;
  // An event of the window's own (a limit raised or cleared), stamped now.
  void event(EventKind kind, const std::string& text = {});

private:
  Publisher& publisher_;
  WallClockNow now_;
  PublishedStatus status_;
};

} // namespace orvane
