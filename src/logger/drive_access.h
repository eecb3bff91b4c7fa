#pragma once

#include "logger/session_recorder.h"
#include "trips/trip_history_form.h"

#include <optional>
#include <string>

namespace orvane {

// Why the drive could not be reached or read.
enum class DriveFault {
  PortUnavailable, // the device is missing, in use or not a serial port
  NoAnswer,        // the drive fell silent (a pulled cable, a drive without power)
  UnknownDrive,    // something answers that is none of the four models
  Stopped          // a stop was asked while the link waited
};

struct DriveFailure {
  DriveFault fault = DriveFault::NoAnswer;
  std::string detail; // in words for the status line
};

template <typename Value> struct DriveResult {
  std::optional<Value> value;
  DriveFailure failure;

  explicit operator bool() const { return value.has_value(); }
  const Value& operator*() const { return *value; }
  const Value* operator->() const { return &*value; }
};

// What identification and the start reads found.
struct DriveIdentity {
  std::string model;
  std::optional<float> ratedCurrent; // A; only the six-trip models report it
  float maxFrequency = 0;            // Hz
};

// One tick: the display check, then the quantities logged.
struct TickReading {
  std::string displayText;
  bool tripped = false; // the display begins with "ERR"; no quantity was read then
  LoggedValues values;  // a quantity that is not read keeps its last value
};

// Which quantities a tick reads, as ticked in Options.
struct LoggedQuantities {
  bool frequency = true;
  bool current = false;
  bool dcLink = false;
  bool signedFrequency = false; // the direction graph: frequency negative in reverse
};

// The logger's way to the drive: open and identify, tick, read the trip history, close. Only the
// writes the reads themselves need go to the drive; never the reset.
class DriveAccess {
public:
  virtual ~DriveAccess() = default;
  // Opens the port, identifies the drive and makes the start reads.
  virtual DriveResult<DriveIdentity> connect() = 0;
  virtual DriveResult<TickReading> tick() = 0;
  // The trip history, decoded as the trip history window shows it.
  virtual DriveResult<TripHistoryForm> readTripHistory() = 0;
  // Closes the port.
  virtual void disconnect() = 0;
};

} // namespace orvane
