#pragma once

#include "link/link.h"
#include "link/live_value_registers.h"
#include "state/shared_state.h"

#include <cstdint>

namespace orvane {

// Turns drive memory into engineering values for the model in use
// (`inverter`) and leaves them in the shared state. A failed read sets OK to 1
// and skips the reads that would follow; a name that is no model reads
// nothing. The reads leave the port in text input after a run without failure.
class LiveValues {
public:
  LiveValues(SharedState& state, Link& link) : state_(state), link_(link) {}

  // Output frequency in Hz into `speedvalue`.
  void GetSpeed(std::int16_t& OK);
  // Output current in A into `ampstext` and in percent of the rated current
  // into `ampspct`. A drive size without a rated current leaves `ampspct`.
  void GetAmps(std::int16_t& OK);
  // DC link voltage into `dcvoltsvalue`. Throws PortOpenError.
  void GetDCVolts(std::int16_t& OK);
  // Maximum frequency setting in Hz into `maxspeed`. Throws PortOpenError.
  void GetMaxSpeed(std::int16_t& OK);
  // Voltage class into `voltcode`: 1 for the lower, 2 for the higher class.
  void GetVoltCode(std::int16_t& OK);

private:
  double read(const Register& where);
  void computePercentOfRatedCurrent(std::int16_t& OK);

  SharedState& state_;
  Link& link_;
};

} // namespace orvane
