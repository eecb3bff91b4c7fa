#include "trips/trip_history_read.h"

#include "platform/number_text.h"
#include "trips/trip_display.h"

#include <array>

namespace orvane {
namespace {

// The area reads by area number, so that each area has its own procedure.
using AreaRead = void (TripHistoryRead::*)(TripRecord&, std::int16_t&);
constexpr std::array<AreaRead, 6> kAreaReads{&TripHistoryRead::GetArea1, &TripHistoryRead::GetArea2,
                                             &TripHistoryRead::GetArea3, &TripHistoryRead::GetArea4,
                                             &TripHistoryRead::GetArea5, &TripHistoryRead::GetArea6};

} // namespace

void TripHistoryRead::openInBinary() {
  link_.openIfClosed();
  link_.port().setInputMode(InputMode::Binary);
}

void TripHistoryRead::TripSummary(TripHistoryForm& window, std::int16_t& OK) {
  openInBinary();
  const std::optional<TripMemoryMap> map = tripMemoryMap(state_.inverter);
  // A drive in neither group has no history to read: the counter shows
  // blank and the port is left closed, as after an empty history.
  if (!map) {
    window.Totaltrip.clear();
    link_.port().close();
    return;
  }

  const double counter = link_.readAddress(map->counter, map->counterLength, 1);
  if (readFailed(counter)) {
    OK = 1;
    return;
  }
  const auto trips = static_cast<TripValue>(counter);
  window.Totaltrip = std::to_string(trips);
  if (trips == 0) {
    link_.port().close();
    return;
  }

  const double index = link_.readAddress(map->index, 1, 1);
  if (readFailed(index)) {
    OK = 1;
    return;
  }

  std::int16_t Number = 1;
  for (const int area : areasNewestFirst(state_.inverter, static_cast<TripValue>(index), trips)) {
    TripRecord record;
    (this->*kAreaReads.at(static_cast<std::size_t>(area - 1)))(record, OK);
    if (OK == 1) {
      link_.showCommunicationsError();
      return;
    }
    Display(window, state_.inverter, Number, record);
    ++Number;
  }
}

void TripHistoryRead::getArea(int area, TripRecord& record, std::int16_t& OK) {
  openInBinary();
  readArea(area, record, OK);
  if (OK != 1)
    link_.port().close();
}

void TripHistoryRead::readArea(int area, TripRecord& record, std::int16_t& OK) {
  const std::optional<TripMemoryMap> map = tripMemoryMap(state_.inverter);
  if (!map || area < 1 || area > static_cast<int>(map->areaBases.size()))
    return;
  const std::uint16_t base = map->areaBases[static_cast<std::size_t>(area - 1)];
  if (!readField(base, map->Code, record.Code) || !readField(base, map->Hz, record.Hz) ||
      !readField(base, map->Amp, record.Amp) || !readField(base, map->Volts, record.Volts)) {
    OK = 1;
    return;
  }
  const double runningTime =
      link_.readAddress(static_cast<std::uint16_t>(base + map->Time.offset), map->Time.length, map->Time.divisor);
  if (readFailed(runningTime)) {
    OK = 1;
    return;
  }
  record.Time = static_cast<TripValue>(roundHalfEven(runningTime / kRunningTimeUnitsPerHour));
}

bool TripHistoryRead::readField(std::uint16_t base, const TripField& field, TripValue& value) {
  const double rounded = roundHalfEven(
      link_.readAddress(static_cast<std::uint16_t>(base + field.offset), field.length, field.divisor));
  value = static_cast<TripValue>(rounded);
  return !readFailed(rounded);
}

} // namespace orvane
