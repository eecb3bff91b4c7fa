#pragma once

#include "link/link.h"
#include "monitor/lcd_screen.h"
#include "state/shared_state.h"

#include <cstdint>

namespace orvane {

// Watches the drive's display for a trip at every sample, and resets it.
class TripWatch {
public:
  TripWatch(SharedState& state, Link& link, LcdScreen& screen) : state_(state), link_(link), screen_(screen) {}

  // OK: 0 not tripped, 1 the display could not be read even after four
  // retries, 2 tripped (sampling is switched off).
  void Tripped(std::int16_t& OK);
  // The reset write; OK = 1 after a time-out (with a beep).
  void SendReset(std::int16_t& OK);
  // "Reset Inverter": the reset, and on a time-out the communications
  // message and the stop of the session.
  void resetmenu_Click();

private:
  void showTripped(bool tripped);

  SharedState& state_;
  Link& link_;
  LcdScreen& screen_;
};

} // namespace orvane
