#pragma once

#include "link/link.h"
#include "monitor/identification.h"
#include "monitor/live_values.h"
#include "monitor/session_log.h"
#include "monitor/status_indicators.h"
#include "monitor/trend_graph.h"
#include "monitor/trip_watch.h"
#include "state/shared_state.h"

#include <cstdint>

namespace orvane {

// The monitoring session: "Start Monitor", "Stop Monitor", the sampling tick
// and the "Reset" button. The stop action is also the link's reaction to a
// failed read.
class MonitoringSession {
public:
  struct Procedures {
    Identification& identification;
    LiveValues& liveValues;
    StatusIndicators& indicators;
    TripWatch& tripWatch;
    TrendGraph& graph;
  };

  MonitoringSession(SharedState& state, Link& link, const Procedures& procedures, SessionLog log = SessionLog());

  void startmonmenu_Click();
  void stopmonmenu_Click();
  void Timer1_Timer();
  // "Reset": resets the drive, waits 2 s and starts a new session. A port
  // that cannot be opened is reported once and the session stays stopped.
  void tripreset_Click();
  void SelectInverter(std::int16_t& OK);

  bool monitoring() const { return state_.trend.checked("startmonmenu"); }

private:
  void start();
  bool refuseZeroMaximumFrequency();
  bool askAboutChangedMaximumFrequency();
  bool writeStartOfMonitoring();
  void showModelIndicators();
  void setTimeSpanLabels();
  bool appendLogLine();
  void stopTick();
  MessageAnswer ask(const std::string& title, const std::string& text);
  void tell(const std::string& title, const std::string& text);

  SharedState& state_;
  Link& link_;
  Procedures procedures_;
  SessionLog log_;
};

} // namespace orvane
