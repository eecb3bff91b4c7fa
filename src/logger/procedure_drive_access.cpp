#include "logger/procedure_drive_access.h"

#include "link/models.h"
#include "link/rated_current.h"
#include "logger/interruptible_line.h"
#include "trips/trip_history_read.h"

namespace orvane {
namespace {

DriveFailure noAnswer(const std::string& during) {
  return {DriveFault::NoAnswer, "no answer from the drive " + during};
}

} // namespace

ProcedureDriveAccess::ProcedureDriveAccess(Link& link, const LoggedQuantities& quantities)
    : link_(link), quantities_(quantities), identification_(state_, link), liveValues_(state_, link),
      indicators_(state_, link), screen_(state_, link), tripWatch_(state_, link, screen_) {
  // A failed read is this class's to report; nothing else is to stop.
  link_.setStopMonitor([] {});
}

template <typename Value, typename Work> DriveResult<Value> ProcedureDriveAccess::guarded(Work&& work) {
  DriveResult<Value> result;
  try {
    work(result);
  } catch (const PortOpenError& error) {
    result.value.reset();
    result.failure = {DriveFault::PortUnavailable,
                      "the serial port " + error.device() + " could not be opened: " + error.reason()};
  } catch (const StopRequested&) {
    result.value.reset();
    result.failure = {DriveFault::Stopped, "stopped"};
  }
  return result;
}

DriveResult<DriveIdentity> ProcedureDriveAccess::connect() {
  return guarded<DriveIdentity>([this](DriveResult<DriveIdentity>& result) {
    link_.port().close();
    link_.openIfClosed();
    std::int16_t OK = 0;
    identification_.CheckInverter(OK);
    if (OK == 1) {
      result.failure = noAnswer("to the identification");
      return;
    }
    if (state_.newinverter == model::kUnknown) {
      result.failure = {DriveFault::UnknownDrive, "the drive connected has not been recognised (none of the four "
                                                  "models)"};
      return;
    }
    state_.inverter = state_.newinverter;
    liveValues_.GetMaxSpeed(OK);
    if (OK == 0)
      liveValues_.GetVoltCode(OK);
    if (OK == 1) {
      result.failure = noAnswer("to the start reads");
      return;
    }
    std::optional<float> rated;
    if (isSixTripModel(state_.inverter) && !readRatedCurrent(rated)) {
      result.failure = noAnswer("to the rated current reads");
      return;
    }
    result.value = DriveIdentity{state_.inverter, rated, state_.maxspeed};
  });
}

// The six-trip models' rated current from their range, voltage class and size bytes; false when a
// read failed. A combination the drives do not come in leaves `rated` empty.
bool ProcedureDriveAccess::readRatedCurrent(std::optional<float>& rated) {
  int bytes[3] = {};
  const Register* registers[] = {&kRangeByte, &kVoltageClassByte, &kSizeCode};
  for (int at = 0; at < 3; ++at) {
    const double value = link_.readAddress(registers[at]->address, registers[at]->length, registers[at]->divisor);
    if (readFailed(value))
      return false;
    bytes[at] = static_cast<int>(value);
  }
  rated = ratedCurrent(bytes[0], bytes[1], bytes[2]);
  return true;
}

DriveResult<TickReading> ProcedureDriveAccess::tick() {
  return guarded<TickReading>([this](DriveResult<TickReading>& result) {
    std::int16_t OK = 0;
    tripWatch_.Tripped(OK);
    if (OK == 1) {
      result.failure = noAnswer("to the display reads");
      return;
    }
    TickReading reading{state_.lcdtext, OK == 2, values_};
    if (!reading.tripped) {
      OK = 0;
      if (!readQuantities(OK)) {
        result.failure = noAnswer("to the value reads");
        return;
      }
      reading.values = values_;
    }
    result.value = reading;
  });
}

bool ProcedureDriveAccess::readQuantities(std::int16_t& OK) {
  if (quantities_.frequency) {
    liveValues_.GetSpeed(OK);
    if (OK == 0 && quantities_.signedFrequency)
      indicators_.Direction(OK);
    if (OK == 1)
      return false;
    const bool reverse = quantities_.signedFrequency && state_.direction != "F";
    values_.frequency = reverse ? -state_.speedvalue : state_.speedvalue;
  }
  if (quantities_.current) {
    liveValues_.GetAmps(OK);
    if (OK == 1)
      return false;
    values_.current = static_cast<float>(state_.ampstext);
    values_.currentPercent = static_cast<float>(state_.ampspct);
  }
  if (quantities_.dcLink) {
    liveValues_.GetDCVolts(OK);
    if (OK == 1)
      return false;
    values_.dcLink = static_cast<float>(state_.dcvoltsvalue);
  }
  return true;
}

DriveResult<TripHistoryForm> ProcedureDriveAccess::readTripHistory() {
  return guarded<TripHistoryForm>([this](DriveResult<TripHistoryForm>& result) {
    TripHistoryForm form;
    std::int16_t OK = 0;
    TripHistoryRead(state_, link_).TripSummary(form, OK);
    if (OK == 1) {
      result.failure = noAnswer("to the trip history read");
      return;
    }
    layOutTripHistory(form, state_.inverter);
    result.value = form;
  });
}

void ProcedureDriveAccess::disconnect() { link_.port().close(); }

} // namespace orvane
