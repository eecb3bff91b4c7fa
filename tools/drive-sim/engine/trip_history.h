#pragma once

#include "engine/memory_image.h"
#include "engine/models.h"

#include <array>
#include <optional>

namespace orvane::sim {

// One stored trip, in the units the host shows.
struct TripRecord {
  int code = 0;
  double frequency = 0; // Hz
  double percent = 0;   // output current, % of rated
  double dcLink = 0;    // V
  double hours = 0;     // total running time
};

// The drive's running-time counter ticks this often per hour.
inline constexpr double kRunningTimeUnitsPerHour = 59.6607142857;

// The trip counter, the newest-trip index and the ring of record areas, as
// the drive keeps them. A three-trip ring fills area 3, 2, 1 (index 4, 3, 2)
// and then goes round as index 1, 0, 2, ...; a six-trip ring fills area 2
// onwards (index 1, 2, ...), wrapping to area 1 at index 0.
class TripHistory {
public:
  TripHistory(TripGroup group, int counter, int index);

  // Places a record in area 1 to 3 (three-trip) or 1 to 6 (six-trip).
  void setArea(int area, const TripRecord& record);
  // A new trip: counted, stored in the area after the newest, and made newest.
  void add(const TripRecord& record);

  int counter() const { return counter_; }

  void render(MemoryImage& memory, const TripLayout& layout) const;

private:
  TripGroup group_;
  int counter_;
  int index_;
  std::array<std::optional<TripRecord>, 6> areas_;
};

} // namespace orvane::sim
