#include "acquisition/trip_history_read.h"

#include "platform/number_text.h"

namespace orvane {

TripHistory TripHistoryRead::read(const std::string& model) {
  TripHistory history;
  link_.openIfClosed();
  const std::optional<TripMemoryMap> map = tripMemoryMap(model);
  // A drive in neither group has no history to read: the port is left
  // closed, as after an empty history.
  if (!map) {
    link_.port().close();
    return history;
  }

  const LinkResult<double> counter = link_.read(map->counter, map->counterLength, 1);
  if (!counter) {
    history.failure = counter.failure();
    return history;
  }
  const auto trips = static_cast<TripValue>(*counter);
  history.counter = trips;
  if (trips == 0) {
    link_.port().close();
    return history;
  }

  const LinkResult<double> index = link_.read(map->index, 1, 1);
  if (!index) {
    history.failure = index.failure();
    return history;
  }
  for (const int area : areasNewestFirst(model, static_cast<TripValue>(*index), trips)) {
    const LinkResult<TripRecord> record = readArea(*map, area);
    if (!record) {
      history.failure = record.failure();
      history.recordFailed = true;
      return history;
    }
    history.records.push_back(*record);
  }
  return history;
}

LinkResult<TripRecord> TripHistoryRead::readArea(const TripMemoryMap& map, int area) {
  link_.openIfClosed();
  TripRecord record;
  if (area >= 1 && area <= static_cast<int>(map.areaBases.size())) {
    const std::uint16_t base = map.areaBases[static_cast<std::size_t>(area - 1)];
    for (const auto& [field, value] : {std::pair{&map.Code, &record.Code}, std::pair{&map.Hz, &record.Hz},
                                       std::pair{&map.Amp, &record.Amp}, std::pair{&map.Volts, &record.Volts}}) {
      const LinkResult<TripValue> read = readField(base, *field);
      if (!read)
        return read.failure();
      *value = *read;
    }
    const LinkResult<double> runningTime =
        link_.read(static_cast<std::uint16_t>(base + map.Time.offset), map.Time.length, map.Time.divisor);
    if (!runningTime)
      return runningTime.failure();
    record.Time = static_cast<TripValue>(roundHalfEven(*runningTime / kRunningTimeUnitsPerHour));
  }
  link_.port().close();
  return record;
}

LinkResult<TripValue> TripHistoryRead::readField(std::uint16_t base, const TripField& field) {
  const LinkResult<double> value =
      link_.read(static_cast<std::uint16_t>(base + field.offset), field.length, field.divisor);
  if (!value)
    return value.failure();
  const double rounded = roundHalfEven(*value);
  if (readFailed(rounded))
    return LinkFailure::FailureValue;
  return static_cast<TripValue>(rounded);
}

} // namespace orvane
