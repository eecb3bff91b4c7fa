#pragma once

#include "link/link.h"
#include "link/live_value_registers.h"
#include "state/shared_state.h"

#include <cstdint>

namespace orvane {

// Direction, run state and terminal indicators, read from the drive's state
// words. A failed read sets OK to 1 and touches no indicator.
class StatusIndicators {
public:
  StatusIndicators(SharedState& state, Link& link) : state_(state), link_(link) {}

  void Direction(std::int16_t& OK);
  void Running(std::int16_t& OK);
  void iterminals(std::int16_t& OK);
  void oterminals(std::int16_t& OK);

private:
  bool readStatus(const Register& word, std::int16_t& OK);
  void showTerminals(bool inputs, int word);

  SharedState& state_;
  Link& link_;
};

} // namespace orvane
