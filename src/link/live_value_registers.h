#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace orvane {

// Where a live value lies in drive memory: address, byte count and the
// divisor that scales the raw value.
struct Register {
  std::uint16_t address;
  std::int16_t length;
  std::int16_t divisor;
};

// The live value registers of one address set, with the state words: the run
// state (0 stopped, 1 forward, 2 reverse) and the input and output terminals.
struct LiveValueRegisters {
  Register speed;
  Register current;
  // Nothing where the percent is computed from the rated current.
  std::optional<Register> currentPercent;
  Register dcLink;
  Register maxSpeed;
  Register voltCode;
  Register runState;
  Register inputs;
  Register outputs;
};

// The three bytes that look up the rated current of the six-trip models.
inline constexpr Register kRangeByte{0x03F4, 1, 1};
inline constexpr Register kSizeCode{0x03F2, 1, 1};
inline constexpr Register kVoltageClassByte{0x03F3, 1, 1};

// The address set of a model name; nothing for a name that is no model.
const LiveValueRegisters* liveValueRegistersFor(const std::string& inverter);

} // namespace orvane
