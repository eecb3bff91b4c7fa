#pragma once

#include "link/link.h"
#include "monitor/acquisition.h"
#include "monitor/reading.h"
#include "monitor/session_listener.h"
#include "monitor/session_log.h"
#include "monitor/status_indicators.h"
#include "monitor/trend_graph.h"
#include "monitor/trip_watch.h"
#include "monitor/ui_thread.h"
#include "state/shared_state.h"

#include <functional>
#include <optional>
#include <string>

namespace orvane {

// One tick of the sampling timer: the drive is read where the link work runs
// (one Reading), then the trip indicators, the read-outs and the graph take it
// on the user-interface thread, the session log line is appended where the
// link work runs, and the status indicators follow. A failed read shows what
// it always showed and stops the session. A tick under way when the session
// is stopped runs whole: its exchanges, graph point, log line and sample.
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

  // `stopTick` switches the timer off and runs "Stop Monitor".
  SamplingTick(SharedState& state, const Parts& parts, std::function<void()> stopTick);

  // Runs where the link work runs.
  void Timer1_Timer();
  // Runs `then` on the user-interface thread once the tick under way has
  // ended, or at once when none is; called there.
  void afterTickInProgress(std::function<void()> then);
  // Hears of each reading logged and of a trip; none by default.
  void setListener(SessionListener* listener) { listener_ = listener; }

  // What a tick asks of the drive, from the ticked boxes and the traces on
  // the graph.
  TickPlan plan() const;
  // The values the graph plots, from the reading being shown; each sets OK
  // to 1 for a value the reading lacks (see failedRead).
  void GetSpeed(std::int16_t& OK);
  void GetAmps(std::int16_t& OK);
  void GetDCVolts(std::int16_t& OK);
  void Direction(std::int16_t& OK);

private:
  // A log line as the user-interface thread composed it.
  struct LogLine {
    std::string time;
    double nextElapsed;
    float frequency;
    float current;
    float currentPercent;
    float dcLink;
  };

  std::optional<LogLine> showSamples();
  // The tick's reading after a stop: graph point and log line only.
  std::optional<LogLine> finishSamples();
  std::optional<LogLine> plotSamples();
  void endTick();
  void showStatus(const std::optional<std::string>& logFailure);
  // Reacts to a read the reading lacks: the communications message and "Stop
  // Monitor" for a read without an answer. Sets OK to 1.
  void failedRead(std::int16_t& OK);

  SharedState& state_;
  Parts parts_;
  std::function<void()> stopTick_;
  SessionListener* listener_ = nullptr;
  Reading reading_;
  // On the user-interface thread: a tick has begun and not yet ended; it is
  // finishing after a stop; what waits for its end.
  bool inProgress_ = false;
  bool finishing_ = false;
  std::function<void()> afterTick_;
};

} // namespace orvane
