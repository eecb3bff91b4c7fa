#pragma once

#include "acquisition/acquisition.h"
#include "acquisition/tick_outcome.h"
#include "acquisition/trip_history_read.h"
#include "logger/session_recorder.h"

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
  std::string detail; // in words, for the status line
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
  std::optional<float> ratedCurrent; // A; the six-trip models tell it by their size
  float maxFrequency = 0;            // Hz
};

// Which quantities a tick reads, as ticked in Options.
struct LoggedQuantities {
  bool frequency = true;
  bool current = false;
  bool dcLink = false;
  bool signedFrequency = false; // the direction graph: frequency negative unless the direction is forward
};

// The logger's conversation with the drive over the acquisition core: connect (identification
// and the start reads), one tick, the trip history, disconnect. It sends neither the reset nor
// the start-of-monitoring write: that write stores a setting of the two panel-probed models at an
// address no value the logger reads comes from, so reading needs none of it.
class LoggerDrive {
public:
  LoggerDrive(Link& link, AcquisitionEvents& events, const LoggedQuantities& quantities)
      : link_(link), acquisition_(link, events), history_(link), quantities_(quantities) {}

  // Opens the port, identifies the drive and makes the start reads.
  DriveResult<DriveIdentity> connect();
  // One tick; a tick whose reads failed is a failure.
  DriveResult<Reading> tick();
  // The line a reading gives the session file, by the window's rule: a quantity not read keeps its
  // last value, and a run state that is no known state keeps the direction before it.
  LoggedValues logged(const Reading& reading);
  // The whole trip history of the model connected.
  DriveResult<TripHistory> readTripHistory();
  void disconnect() { link_.port().close(); }
  // The link's counts; the logger's thread is the link's.
  LinkHealth linkHealth() const { return link_.health(); }
  const std::string& model() const { return plan_.model; }

private:
  // Runs `work`, turning a port that cannot be opened and an abandoned link into failures.
  template <typename Value, typename Work> DriveResult<Value> guarded(Work&& work);
  DriveFailure failed(const std::string& during) const;

  Link& link_;
  Acquisition acquisition_;
  TripHistoryRead history_;
  LoggedQuantities quantities_;
  TickPlan plan_;
  ShownValues shown_;
  LoggedValues last_;
};

} // namespace orvane
