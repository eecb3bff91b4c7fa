#pragma once

#include "acquisition/acquisition.h"
#include "link/link.h"
#include "monitor/identification.h"
#include "monitor/sampling_tick.h"
#include "monitor/session_log.h"
#include "monitor/status_indicators.h"
#include "monitor/trend_graph.h"
#include "monitor/trip_watch.h"
#include "monitor/ui_thread.h"
#include "state/shared_state.h"

#include <cstdint>
#include <functional>

namespace orvane {

// The monitoring session: "Start Monitor", "Stop Monitor", the sampling tick
// and the "Reset" button. The start, the tick and the reset run where the
// link work runs and change the window on the user-interface thread; the
// stop runs on the user-interface thread. The stop action is also the
// reaction to a read without an answer.
class MonitoringSession {
public:
  struct Procedures {
    Acquisition& acquisition;
    UiThread& ui;
    Identification& identification;
    StatusIndicators& indicators;
    TripWatch& tripWatch;
    TrendGraph& graph;
  };

  MonitoringSession(SharedState& state, Link& link, const Procedures& procedures, SessionLog log = SessionLog());

  // How "Stop Monitor" lets go of the port; by default it closes it.
  void setClosePort(std::function<void()> closePort) { closePort_ = std::move(closePort); }
  // Hears of the session's start, readings, trip, failure and stop; none by default.
  void setConsumer(SessionConsumer* consumer) {
    consumer_ = consumer;
    tick_.setConsumer(consumer);
  }

  void startmonmenu_Click();
  void stopmonmenu_Click();
  void Timer1_Timer() { tick_.Timer1_Timer(); }
  // "Reset": resets the drive, waits 2 s and starts a new session. A port
  // that cannot be opened is reported once and the session stays stopped.
  void tripreset_Click();
  void SelectInverter(std::int16_t& OK);

  bool monitoring() const { return state_.trend.checked("startmonmenu"); }
  SamplingTick& tick() { return tick_; }

private:
  void start();
  // The steps of the start on the user-interface thread; each says whether
  // the start goes on.
  bool checkIdentified(std::int16_t OK);
  bool takeMaximumFrequency(const LinkResult<float>& maxSpeed);
  bool takeVoltCode(const LinkResult<std::int16_t>& voltCode);
  bool refuseZeroMaximumFrequency();
  bool askAboutChangedMaximumFrequency();
  void takeModel();
  void showModelIndicators();
  void setTimeSpanLabels();
  void stopTick();
  // The reaction to a failed read of the start: a read without an answer
  // shows the message and stops before the start's own message.
  void failedStartRead(LinkFailure failure);
  MessageAnswer ask(const std::string& title, const std::string& text);
  void tell(const std::string& title, const std::string& text);
  // Hands `work` to the user-interface thread; false when it did not run
  // because the session was stopped meanwhile.
  bool ui(const std::function<void()>& work) { return runUnlessStopped(procedures_.ui, link_, work); }

  SharedState& state_;
  Link& link_;
  Procedures procedures_;
  SessionLog log_;
  std::function<void()> closePort_;
  SessionConsumer* consumer_ = nullptr;
  bool startHeard_ = false; // the consumer was told of the start, so it hears of the stop
  SamplingTick tick_;
};

} // namespace orvane
