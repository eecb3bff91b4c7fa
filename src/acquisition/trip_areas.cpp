#include "acquisition/trip_areas.h"

#include "link/models.h"

#include <array>

namespace orvane {
namespace {

constexpr TripField kThreeTripCode{3, 1, 1};
constexpr TripField kThreeTripHz{4, 2, 100};
constexpr TripField kThreeTripAmp{6, 2, 100};
constexpr TripField kThreeTripVolts{8, 2, 10};
constexpr TripField kThreeTripTime{0, 3, 1};

constexpr TripField kSixTripCode{0, 1, 1};
constexpr TripField kSixTripHz{4, 4, 100};
constexpr TripField kSixTripAmp{8, 2, 10};
constexpr TripField kSixTripVolts{10, 2, 10};
constexpr TripField kSixTripTime{12, 2, 10};

constexpr int kSixTripAreas = 6;
constexpr std::uint16_t kSixTripFirstBase = 0x0364;
constexpr std::uint16_t kSixTripRecordSize = 20;

// A three-trip drive fills area 3, 2, 1 (index 4, 3, 2), then goes round as
// index 1, 0, 2, ...: the areas holding trips, newest first, by index.
const std::array<std::vector<int>, 5> kThreeTripOrder{{{2, 3, 1}, {3, 1, 2}, {1, 2, 3}, {2, 3}, {3}}};

TripMemoryMap threeTripMap(std::uint16_t counter, std::uint16_t index, std::uint16_t firstBase) {
  constexpr std::uint16_t kRecordSize = 10;
  return {counter,
          1,
          index,
          {firstBase, static_cast<std::uint16_t>(firstBase + kRecordSize),
           static_cast<std::uint16_t>(firstBase + 2 * kRecordSize)},
          kThreeTripCode,
          kThreeTripHz,
          kThreeTripAmp,
          kThreeTripVolts,
          kThreeTripTime};
}

TripMemoryMap sixTripMap() {
  std::vector<std::uint16_t> bases;
  bases.reserve(kSixTripAreas);
  for (int area = 0; area < kSixTripAreas; ++area)
    bases.push_back(static_cast<std::uint16_t>(kSixTripFirstBase + kSixTripRecordSize * area));
  return {0x0360, 2, 0x0363, bases, kSixTripCode, kSixTripHz, kSixTripAmp, kSixTripVolts, kSixTripTime};
}

} // namespace

std::optional<TripMemoryMap> tripMemoryMap(const std::string& inverter) {
  if (inverter == model::kSingleCompact)
    return threeTripMap(0xF88B, 0xF88A, 0xF88C);
  if (inverter == model::kVector)
    return threeTripMap(0xF889, 0xF888, 0xF88A);
  if (isSixTripModel(inverter))
    return sixTripMap();
  return std::nullopt;
}

std::vector<int> areasNewestFirst(const std::string& inverter, TripValue index, TripValue counter) {
  if (isThreeTripModel(inverter)) {
    if (index < 0 || index >= static_cast<TripValue>(kThreeTripOrder.size()))
      return {};
    return kThreeTripOrder[static_cast<std::size_t>(index)];
  }
  if (!isSixTripModel(inverter) || index < 0 || index >= kSixTripAreas)
    return {};
  // Index i names area i + 1 as the newest; older trips follow in falling
  // area order, wrapping from area 1 to area 6. The ring fills from area 2,
  // so area 1 and the areas above the newest hold trips only once it has
  // wrapped, which a counter of 6 or more tells (index 0 means it has).
  const bool wrapped = index == 0 || counter >= kSixTripAreas;
  std::vector<int> areas;
  for (TripValue step = 0; step < kSixTripAreas; ++step) {
    if (step >= index && !wrapped)
      break;
    areas.push_back(static_cast<int>((index - step + kSixTripAreas) % kSixTripAreas) + 1);
  }
  return areas;
}

} // namespace orvane
