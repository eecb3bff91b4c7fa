#include "engine/trip_history.h"

#include <stdexcept>
#include <string>

namespace orvane::sim {
namespace {

// Newest area for each three-trip index 0 to 4, and the index that follows it.
constexpr std::array<int, 5> kThreeTripNewestArea{2, 3, 1, 2, 3};
constexpr std::array<int, 5> kThreeTripNextIndex{2, 0, 1, 2, 3};

int nextIndex(TripGroup group, int counter, int index) {
  if (group == TripGroup::SixTrip)
    return index >= 0 && index <= 5 ? (index + 1) % 6 : 1;
  if (counter == 0 || index < 0 || index > 4)
    return 4;
  return kThreeTripNextIndex[static_cast<std::size_t>(index)];
}

int newestArea(TripGroup group, int index) {
  return group == TripGroup::SixTrip ? index + 1 : kThreeTripNewestArea[static_cast<std::size_t>(index)];
}

std::string areaLabel(int area, const char* field) { return "trip area " + std::to_string(area) + " " + field; }

void renderThreeTrip(MemoryImage& memory, std::uint16_t base, int area, const TripRecord& record) {
  const auto at = [base](int offset) { return static_cast<std::uint16_t>(base + offset); };
  memory.put({at(0), 3, kRunningTimeUnitsPerHour}, record.hours, areaLabel(area, "running time"));
  memory.put({at(3), 1, 1}, record.code, areaLabel(area, "code"));
  memory.put({at(4), 2, 100}, record.frequency, areaLabel(area, "frequency"));
  memory.put({at(6), 2, 100}, record.percent, areaLabel(area, "current %"));
  memory.put({at(8), 2, 10}, record.dcLink, areaLabel(area, "DC link"));
}

void renderSixTrip(MemoryImage& memory, std::uint16_t base, int area, const TripRecord& record) {
  const auto at = [base](int offset) { return static_cast<std::uint16_t>(base + offset); };
  memory.put({at(0), 1, 1}, record.code, areaLabel(area, "code"));
  memory.put({at(4), 4, 100}, record.frequency, areaLabel(area, "frequency"));
  memory.put({at(8), 2, 10}, record.percent, areaLabel(area, "current %"));
  memory.put({at(10), 2, 10}, record.dcLink, areaLabel(area, "DC link"));
  memory.put({at(12), 2, 10 * kRunningTimeUnitsPerHour}, record.hours, areaLabel(area, "running time"));
}

} // namespace

TripHistory::TripHistory(TripGroup group, int counter, int index)
    : group_(group), counter_(counter), index_(index) {}

void TripHistory::setArea(int area, const TripRecord& record) {
  const int areas = group_ == TripGroup::SixTrip ? 6 : 3;
  if (area < 1 || area > areas)
    throw std::out_of_range("trip area " + std::to_string(area) + " does not exist on this model");
  areas_[static_cast<std::size_t>(area - 1)] = record;
}

void TripHistory::add(const TripRecord& record) {
  index_ = nextIndex(group_, counter_, index_);
  setArea(newestArea(group_, index_), record);
  counter_ = std::min(counter_ + 1, group_ == TripGroup::SixTrip ? 0xFFFF : 0xFF);
}

void TripHistory::render(MemoryImage& memory, const TripLayout& layout) const {
  memory.put(layout.counter, counter_, "trip counter");
  memory.put(layout.index, index_, "newest-trip index");
  for (int area = 1; area <= layout.areas; ++area) {
    const std::optional<TripRecord>& record = areas_[static_cast<std::size_t>(area - 1)];
    if (!record)
      continue;
    const std::uint16_t base = layout.areaBases[static_cast<std::size_t>(area - 1)];
    if (group_ == TripGroup::SixTrip)
      renderSixTrip(memory, base, area, *record);
    else
      renderThreeTrip(memory, base, area, *record);
  }
}

} // namespace orvane::sim
