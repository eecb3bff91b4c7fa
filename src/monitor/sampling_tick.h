#pragma once

#include "acquisition/acquisition.h"
#include "acquisition/reading.h"
#include "acquisition/session_consumer.h"
#include "acquisition/tick_outcome.h"
#include "link/link.h"
#include "monitor/link_tick.h"
#include "monitor/session_log.h"
#include "monitor/status_indicators.h"
#include "monitor/trend_graph.h"
#include "monitor/trip_watch.h"
#include "monitor/ui_thread.h"
#include "state/shared_state.h"

#include <functional>
#include <mutex>

namespace orvane {

// One tick of the sampling timer. The window hands the plan over at the start
// (`begin`); the tick runs on the link's thread to one TickOutcome (the
// reading, the values shown, its log line written there) and crosses to the
// user-interface thread once, where the trip indicators, the read-outs, the
// graph and the status indicators take it. It waits for the window only when
// the window shows a failure, so that the session has stopped before any
// other link work; otherwise the outcome is posted. A tick under way when the
// session is stopped runs whole: its exchanges, graph point, log line and
// sample.
class SamplingTick {
public:
  struct Parts {
    Link& link;
    Acquisition& acquisition;
    UiThread& ui;
    StatusIndicators& indicators;
    TripWatch& tripWatch;
    TrendGraph& graph;
    const SessionLog& log;
  };

  // `stopTick` switches the timer off and runs "Stop Monitor"; `stopSession` runs "Stop Monitor".
  SamplingTick(SharedState& state, const Parts& parts, std::function<void()> stopTick,
               std::function<void()> stopSession);

  // Runs on the link's thread.
  void Timer1_Timer();

  // The rest runs on the user-interface thread.
  // Monitoring began: ticks read the drive by this plan, the first logged at 0 s.
  void begin(const TickPlan& plan);
  // Monitoring ended: a tick still queued reads nothing.
  void end();
  // Runs `then` once the tick under way has been shown, or at once when none is.
  void afterTickInProgress(std::function<void()> then);
  // Hears of each reading logged, of a trip and of a failed read; none by default.
  void setConsumer(SessionConsumer* consumer) { consumer_ = consumer; }
  // What a tick asks of the drive, from the ticked boxes and the session's drive.
  TickPlan plan() const;
  // Reacts to a read the tick lacks: the communications message and "Stop
  // Monitor" for a read without an answer. Sets OK to 1.
  void failedRead(std::int16_t& OK);

private:
  void show(const TickOutcome& tick);
  // The tick's graph point and read-outs; false after a failed read, which stopped the session.
  bool plotSamples(const TickOutcome& tick);
  // The written line's sample to the consumer; false when the line could not be written.
  bool showLogged(const TickOutcome& tick);
  void showStatus(const Reading& reading);
  void endTick();
  void tell(SessionEvent::Kind kind, const std::string& text) const;

  SharedState& state_;
  Parts parts_;
  LinkTick linkTick_;
  std::function<void()> stopTick_;
  std::function<void()> stopSession_;
  SessionConsumer* consumer_ = nullptr;
  // On the user-interface thread: the failure of the tick being shown.
  std::optional<Reading::Failure> failure_;

  // Shared by both threads, under the mutex: the plan handed over, whether
  // ticks are due, a new session's first tick to come, a tick under way and
  // what waits for its end.
  std::mutex mutex_;
  TickPlan plan_;
  bool active_ = false;
  bool newSession_ = false;
  bool inProgress_ = false;
  std::function<void()> afterTick_;
};

} // namespace orvane
