#pragma once

#include "link/link.h"
#include "link/panel_exchanges.h"
#include "state/shared_state.h"

#include <cstdint>

namespace orvane {

// Reads the text of the drive's operator display into `lcdtext`, the way the
// model in use (`inverter`) offers it.
class LcdScreen {
public:
  LcdScreen(SharedState& state, Link& link) : state_(state), link_(link), panel_(link) {}

  // A time-out sets OK to 1 (after a beep, and for the six-trip models the
  // communications message). Any other model leaves `lcdtext` as it was.
  // Throws PortOpenError.
  void LCDSCR(std::int16_t& OK);

private:
  SharedState& state_;
  Link& link_;
  PanelExchanges panel_;
};

} // namespace orvane
