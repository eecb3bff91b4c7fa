#pragma once

#include "link/link.h"
#include "link/link_result.h"
#include "trips/trip_areas.h"
#include "trips/trip_history_form.h"
#include "trips/trip_record.h"

#include <cstdint>
#include <functional>
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
// complete record.
class TripHistoryRead {
public:
  explicit TripHistoryRead(Link& link) : link_(link) {}

  // Throws PortOpenError.
  TripHistory read(const std::string& model);

  // Fills `window` with a history of `model`. A failed read sets OK to 1: a
  // read without an answer shows the communications message and runs
  // `stopSession` ("Stop Monitor"), a failed record shows the message once
  // more; records already read stay.
  void show(const TripHistory& history, const std::string& model, TripHistoryForm& window, std::int16_t& OK,
            const std::function<void()>& stopSession);

private:
  // Trip area 1 to 6, opening the port first and closing it after a complete
  // record. Areas 4 to 6 exist on six-trip models only.
  LinkResult<TripRecord> readArea(const TripMemoryMap& map, int area);
  // One field rounded to a whole number.
  LinkResult<TripValue> readField(std::uint16_t base, const TripField& field);

  Link& link_;
};

} // namespace orvane
