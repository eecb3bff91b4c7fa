#pragma once

#include "acquisition/acquisition_events.h"
#include "acquisition/reading.h"
#include "link/link.h"
#include "link/link_result.h"
#include "link/live_value_registers.h"

#include <cstdint>
#include <optional>
#include <string>

namespace orvane {

// The conversation with the drive that a monitoring session needs, in plain
// values: identification, the reads and the write of the start, the trip
// check with its retries, one tick's reading, the reset. The bytes, their
// order, the time-outs, pauses, retries and beeps are the program's; what a
// failure shows and whether it stops anything is the caller's. Once the link
// is stopping, a call ends after the exchange in progress (a tick runs whole
// under Link::WholeTick) and shows and sounds nothing more.
class Acquisition {
public:
  Acquisition(Link& link, AcquisitionEvents& events) : link_(link), events_(events) {}

  // The connected model's name, or "Unknown". A failed model-code read gives
  // ReadTimedOut or FailureValue; a silent panel in the display probe gives
  // ExchangeTimedOut after a beep. Throws PortOpenError.
  LinkResult<std::string> identify();

  // The maximum frequency setting in Hz. Throws PortOpenError.
  LinkResult<float> readMaxSpeed(const std::string& model);
  // The voltage class: 1 for the lower, 2 for the higher class.
  LinkResult<std::int16_t> readVoltCode(const std::string& model);
  // The rated current in A of a six-trip drive, from its range, size and
  // voltage class; nothing for a size without one.
  LinkResult<std::optional<float>> readRatedCurrent();
  // The write that the three-trip models need before sampling; true at once
  // for the others. False after a time-out, with a beep. Throws PortOpenError.
  bool writeStartOfMonitoring(const std::string& model);

  // The operator display text, tried again up to four times after a beep and
  // a 2-second pause; nothing for a model that shows none. The six-trip
  // models show the communications message after each failed attempt.
  // Throws PortOpenError.
  LinkResult<std::optional<std::string>> readDisplay(const std::string& model);

  // One tick: the trip check, then the reads the plan asks for, in order,
  // up to the first failure. Throws PortOpenError.
  Reading tick(const TickPlan& plan);

  // The reset write; false after a time-out, with a beep. Throws
  // PortOpenError.
  bool sendReset(const std::string& model);
  // The 2-second wait after "Reset"; false when stopped.
  bool waitAfterReset();

private:
  LinkResult<std::string> probeDisplay();
  bool stepPanel(int count);
  LinkResult<std::optional<std::string>> readDisplayOnce(const std::string& model);
  LinkResult<double> read(const Register& where);
  // A read kept in single precision, failing as the narrowed value does.
  LinkResult<float> readSingle(const Register& where);
  // The failure of an exchange without an answer: beeps unless stopping.
  LinkFailure timedOut();
  void readInto(Reading& reading, const TickPlan& plan, const LiveValueRegisters& registers);

  Link& link_;
  AcquisitionEvents& events_;
};

} // namespace orvane
