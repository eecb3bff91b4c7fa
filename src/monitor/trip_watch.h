#pragma once

#include "acquisition/acquisition.h"
#include "link/link.h"
#include "monitor/ui_thread.h"
#include "state/shared_state.h"

#include <functional>

namespace orvane {

// A trip of the drive, seen at every sample, and its reset.
class TripWatch {
public:
  // `stopSession` is "Stop Monitor", run on the user-interface thread.
  TripWatch(SharedState& state, Link& link, Acquisition& acquisition, UiThread& ui,
            std::function<void()> stopSession)
      : state_(state), link_(link), acquisition_(acquisition), ui_(ui), stopSession_(std::move(stopSession)) {}

  // The trip check's outcome on the indicators (a display text beginning
  // exactly with "ERR" is a trip): a trip shows TRIPPED, "Reset" and "Reset
  // Inverter" and switches sampling off. Returns `tripped`. Runs on the
  // user-interface thread.
  bool showTrip(bool tripped);

  // "Reset Inverter": the reset write, and on a time-out the communications
  // message and the stop of the session. Runs where the link work runs.
  // Throws PortOpenError.
  void resetmenu_Click();

private:
  SharedState& state_;
  Link& link_;
  Acquisition& acquisition_;
  UiThread& ui_;
  std::function<void()> stopSession_;
};

} // namespace orvane
