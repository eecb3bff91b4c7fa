#pragma once

#include "link/link.h"
#include "link/panel_exchanges.h"
#include "state/shared_state.h"

#include <cstdint>

namespace orvane {

// Finds out which drive model is connected. Two models answer a memory read
// with a model code; the other two are told apart by stepping the operator
// panel and reading its display text on the way.
class Identification {
public:
  Identification(SharedState& state, Link& link) : state_(state), link_(link), panel_(link) {}

  // Leaves the model name, or "Unknown", in `newinverter` and resets
  // `startcancelled`. A failed exchange sets OK to 1 (the model-code read
  // reports it itself; a silent panel only beeps). Throws PortOpenError.
  void CheckInverter(std::int16_t& OK);

private:
  void probeDisplay(std::int16_t& OK);
  // Steps the panel forward `count` times; false after a time-out.
  bool stepPanel(int count, std::int16_t& OK);

  SharedState& state_;
  Link& link_;
  PanelExchanges panel_;
};

} // namespace orvane
