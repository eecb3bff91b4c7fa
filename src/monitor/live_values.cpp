#include "monitor/live_values.h"

#include "link/models.h"
#include "link/rated_current.h"
#include "platform/number_text.h"

namespace orvane {
double LiveValues::read(const Register& where) {
  return link_.readAddress(where.address, where.length, where.divisor);
}

void LiveValues::GetSpeed(std::int16_t& OK) {
  link_.port().setInputMode(InputMode::Binary);
  link_.discardInput();
  if (const LiveValueRegisters* registers = liveValueRegistersFor(state_.inverter)) {
    state_.speedvalue = static_cast<float>(read(registers->speed));
    if (readFailed(state_.speedvalue)) {
      OK = 1;
      return;
    }
  }
  link_.port().setInputMode(InputMode::Text);
}

void LiveValues::GetAmps(std::int16_t& OK) {
  link_.port().setInputMode(InputMode::Binary);
  const LiveValueRegisters* registers = liveValueRegistersFor(state_.inverter);
  if (!registers)
    return;
  state_.ampstext = read(registers->current);
  if (readFailed(state_.ampstext)) {
    OK = 1;
    return;
  }
  if (!registers->currentPercent) {
    computePercentOfRatedCurrent(OK);
    return;
  }
  state_.ampspct = read(*registers->currentPercent);
  if (readFailed(state_.ampspct))
    OK = 1;
}

void LiveValues::computePercentOfRatedCurrent(std::int16_t& OK) {
  const double range = read(kRangeByte);
  if (readFailed(range)) {
    OK = 1;
    return;
  }
  const double size = read(kSizeCode);
  if (readFailed(size)) {
    OK = 1;
    return;
  }
  const double voltageClass = read(kVoltageClassByte);
  if (readFailed(voltageClass)) {
    OK = 1;
    return;
  }
  const std::optional<float> rated =
      ratedCurrent(static_cast<int>(range), static_cast<int>(voltageClass), static_cast<int>(size));
  if (rated)
    state_.ampspct = state_.ampstext / static_cast<double>(*rated) * 100;
}

void LiveValues::GetDCVolts(std::int16_t& OK) {
  link_.openIfClosed();
  link_.port().setInputMode(InputMode::Binary);
  if (const LiveValueRegisters* registers = liveValueRegistersFor(state_.inverter)) {
    const double value = read(registers->dcLink);
    if (readFailed(value)) {
      OK = 1;
      return;
    }
    // The ">Talvik< Q7" single/compact and vector drives count the DC link in
    // units of their voltage class.
    state_.dcvoltsvalue = isThreeTripModel(state_.inverter) ? value * state_.voltcode : value;
  }
  link_.port().setInputMode(InputMode::Text);
}

void LiveValues::GetMaxSpeed(std::int16_t& OK) {
  link_.openIfClosed();
  link_.port().setInputMode(InputMode::Binary);
  if (const LiveValueRegisters* registers = liveValueRegistersFor(state_.inverter)) {
    state_.maxspeed = static_cast<float>(read(registers->maxSpeed));
    if (readFailed(state_.maxspeed)) {
      OK = 1;
      return;
    }
  }
  link_.port().setInputMode(InputMode::Text);
}

void LiveValues::GetVoltCode(std::int16_t& OK) {
  link_.port().setInputMode(InputMode::Binary);
  if (const LiveValueRegisters* registers = liveValueRegistersFor(state_.inverter)) {
    state_.voltcode = roundToInt16(read(registers->voltCode));
    if (readFailed(state_.voltcode)) {
      OK = 1;
      return;
    }
    // The six-trip models store the class as 0 (lower) or 1 (higher).
    if (isSixTripModel(state_.inverter)) {
      if (state_.voltcode == 1)
        state_.voltcode = 2;
      else if (state_.voltcode == 0)
        state_.voltcode = 1;
    }
  }
  link_.port().setInputMode(InputMode::Text);
}

} // namespace orvane
