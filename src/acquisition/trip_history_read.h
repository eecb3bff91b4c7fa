#pragma once

#include "acquisition/trip_areas.h"
#include "acquisition/trip_record.h"
#include "link/link.h"
#include "link/link_result.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orvane {

// A trip history as read from the drive, up to the first failed read.
struct TripHistory {
  // The trip counter; nothing for a model in neither trip group, or when its
  // read failed.
  std::optional<TripValue> counter;
  // Newest first.
  std::vector<TripRecord> records;
  std::optional<LinkFailure> failure;
  // The failure came in one of the records.
  bool recordFailed = false;
};

// Reads the drive's trip history, the model choosing every address: the trip
// counter, the newest-trip index and the records, newest first. The port is
// opened for the read, and let go of after an empty history and after each
// complete record. Runs where the link work runs (the window's link thread,
// the logger's own thread).
class TripHistoryRead {
public:
  explicit TripHistoryRead(Link& link) : link_(link) {}

  // Throws PortOpenError.
  TripHistory read(const std::string& model);

private:
  // Trip area 1 to 6, opening the port first and closing it after a complete
  // record. Areas 4 to 6 exist on six-trip models only.
  LinkResult<TripRecord> readArea(const TripMemoryMap& map, int area);
  // One field rounded to a whole number.
  LinkResult<TripValue> readField(std::uint16_t base, const TripField& field);

  Link& link_;
};

} // namespace orvane
