#pragma once

#include "acquisition/session_consumer.h"
#include "limits/limit_watch.h"
#include "monitor/monitoring_session.h"
#include "platform/message_boxes.h"

#include <functional>
#include <string>
#include <vector>

namespace orvane {

// The window's limits, set up once at start-up from limits.conf: every reading of a session is
// watched and what it raises or clears is heard; a bad file is told once in a message box and
// monitoring goes on without limits; no file, no limits. It takes the session's consumer's place
// and passes every call on to the one that was there (the publishing), so both follow the
// session. Called on the user-interface thread, as the session's consumers are.
class WindowLimits final : public SessionConsumer {
public:
  // The events of one reading, or none when a start or a stop has put every limit back inside.
  using Heard = std::function<void(const std::vector<LimitEvent>& events)>;

  // `next`: the session's consumer until now, or none.
  WindowLimits(const std::string& path, MonitoringSession& session, SessionConsumer* next, MessageBoxes& messages,
               Heard heard);
  ~WindowLimits() override;
  WindowLimits(const WindowLimits&) = delete;
  WindowLimits& operator=(const WindowLimits&) = delete;

  bool watching() const { return !watch_.limits().empty(); }
  const LimitWatch& watch() const { return watch_; }

  void identified(const SessionDrive& drive) override;
  void sampled(WallTime when, double sessionSeconds, const Reading& reading) override;
  void happened(WallTime when, const SessionEvent& event) override;
  void linkCounted(const LinkHealth& total, Clock::Duration now) override;

private:
  void reset();

  MonitoringSession& session_;
  Heard heard_;
  LimitWatch watch_{{}};
  SessionConsumer* next_ = nullptr;
};

} // namespace orvane
