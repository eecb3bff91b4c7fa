#include "logger/logger_drive.h"

#include "link/models.h"

namespace orvane {

DriveFailure LoggerDrive::failed(const std::string& during) const {
  if (link_.abandoned())
    return {DriveFault::Stopped, "stopped"};
  return {DriveFault::NoAnswer, "no answer from the drive " + during};
}

template <typename Value, typename Work> DriveResult<Value> LoggerDrive::guarded(Work&& work) {
  DriveResult<Value> result;
  try {
    work(result);
  } catch (const PortOpenError& error) {
    result.value.reset();
    result.failure = {DriveFault::PortUnavailable,
                      "the serial port " + error.device() + " could not be opened: " + error.reason()};
  }
  if (!result && link_.abandoned())
    result.failure = {DriveFault::Stopped, "stopped"};
  return result;
}

DriveResult<DriveIdentity> LoggerDrive::connect() {
  return guarded<DriveIdentity>([this](DriveResult<DriveIdentity>& result) {
    link_.port().close();
    const LinkResult<std::string> model = acquisition_.identify();
    if (!model) {
      result.failure = failed("to the identification");
      return;
    }
    if (*model == model::kUnknown) {
      result.failure = {DriveFault::UnknownDrive, "the drive connected has not been recognised (none of the "
                                                  "four models)"};
      return;
    }
    const LinkResult<float> maxSpeed = acquisition_.readMaxSpeed(*model);
    const LinkResult<std::int16_t> voltCode =
        maxSpeed ? acquisition_.readVoltCode(*model) : LinkResult<std::int16_t>(maxSpeed.failure());
    if (!voltCode) {
      result.failure = failed("to the start reads");
      return;
    }
    DriveIdentity identity{*model, std::nullopt, *maxSpeed};
    if (isSixTripModel(*model)) {
      const LinkResult<std::optional<float>> rated = acquisition_.readRatedCurrent();
      if (!rated) {
        result.failure = failed("to the rated current reads");
        return;
      }
      identity.ratedCurrent = *rated;
    }
    plan_ = TickPlan{.model = *model,
                     .voltCode = *voltCode,
                     .frequency = quantities_.frequency,
                     .frequencyDirection = quantities_.frequency && quantities_.signedFrequency,
                     .current = quantities_.current,
                     .dcLink = quantities_.dcLink};
    result.value = identity;
  });
}

DriveResult<Reading> LoggerDrive::tick() {
  return guarded<Reading>([this](DriveResult<Reading>& result) {
    const Reading reading = acquisition_.tick(plan_);
    if (reading.failure) {
      result.failure =
          failed(reading.failure->step == Reading::Step::Display ? "to the display reads" : "to the value reads");
      return;
    }
    result.value = reading;
  });
}

LoggedValues LoggerDrive::logged(const Reading& reading) {
  takeGraphReading(reading, plan_, shown_, last_);
  return last_;
}

DriveResult<TripHistory> LoggerDrive::readTripHistory() {
  return guarded<TripHistory>([this](DriveResult<TripHistory>& result) {
    TripHistory history = history_.read(plan_.model);
    if (history.failure) {
      result.failure = failed("to the trip history read");
      return;
    }
    result.value = std::move(history);
  });
}

} // namespace orvane
