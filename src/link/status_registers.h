#pragma once

#include "link/live_value_registers.h"

#include <string>

namespace orvane {

// Where one model keeps its state words: the run state (0 stopped, 1 forward,
// 2 reverse) and the input and output terminal words.
struct StatusRegisters {
  Register runState;
  Register inputs;
  Register outputs;
};

// The state words of a model name; nothing for a name that is no model.
const StatusRegisters* statusRegistersFor(const std::string& inverter);

} // namespace orvane
