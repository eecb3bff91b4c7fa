#pragma once

#include "acquisition/trip_record.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orvane {

// The drive's running-time counter ticks this often per hour.
inline constexpr double kRunningTimeUnitsPerHour = 59.6607142857;

// One field of a trip record: where it lies from the record's base, how many
// bytes it has and what its raw value is divided by.
struct TripField {
  std::uint16_t offset;
  std::int16_t length;
  std::int16_t divisor;
};

// Where a model keeps its trip history: the trip counter, the index of the
// newest record, the record areas (area n at areaBases[n - 1]) and the fields.
struct TripMemoryMap {
  std::uint16_t counter;
  std::int16_t counterLength;
  std::uint16_t index;
  std::vector<std::uint16_t> areaBases;
  TripField Code;
  TripField Hz;
  TripField Amp;
  TripField Volts;
  TripField Time; // in running-time units after its divisor
};

// The memory map of the model `inverter`, or nothing for a model in neither
// trip group.
std::optional<TripMemoryMap> tripMemoryMap(const std::string& inverter);

// The areas that hold trips, newest first, for a newest-trip index and the
// trip counter. An index out of range names no area.
std::vector<int> areasNewestFirst(const std::string& inverter, TripValue index, TripValue counter);

} // namespace orvane
