#pragma once

#include "acquisition/acquisition.h"
#include "link/link.h"
#include "monitor/ui_thread.h"
#include "state/shared_state.h"

namespace orvane {

// A trip of the drive, seen at every sample, and its reset.
class TripWatch {
public:
  TripWatch(SharedState& state, Link& link, Acquisition& acquisition, UiThread& ui)
      : state_(state), link_(link), acquisition_(acquisition), ui_(ui) {}

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
};

} // namespace orvane
