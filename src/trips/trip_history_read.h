#pragma once

#include "link/link.h"
#include "state/shared_state.h"
#include "trips/trip_areas.h"
#include "trips/trip_history_form.h"
#include "trips/trip_record.h"

#include <cstdint>

namespace orvane {

// Reads the drive's trip history, the model in `inverter` choosing every
// address: the trip counter, the newest-trip index and the records, newest
// first, each written into the trip history window as it arrives.
class TripHistoryRead {
public:
  TripHistoryRead(SharedState& state, Link& link) : state_(state), link_(link) {}

  // Fills `window`. A failed read sets OK to 1 (an area read shows a second
  // communications message); records already written stay. Throws
  // PortOpenError.
  void TripSummary(TripHistoryForm& window, std::int16_t& OK);

  // Read trip area 1 to 6 into `record`, opening the port first and closing
  // it after a complete record. A failed field sets OK to 1 and holds 9999;
  // later fields are untouched. Areas 4 to 6 exist on six-trip models only.
  void GetArea1(TripRecord& record, std::int16_t& OK) { getArea(1, record, OK); }
  void GetArea2(TripRecord& record, std::int16_t& OK) { getArea(2, record, OK); }
  void GetArea3(TripRecord& record, std::int16_t& OK) { getArea(3, record, OK); }
  void GetArea4(TripRecord& record, std::int16_t& OK) { getArea(4, record, OK); }
  void GetArea5(TripRecord& record, std::int16_t& OK) { getArea(5, record, OK); }
  void GetArea6(TripRecord& record, std::int16_t& OK) { getArea(6, record, OK); }

private:
  void getArea(int area, TripRecord& record, std::int16_t& OK);
  void readArea(int area, TripRecord& record, std::int16_t& OK);
  // Reads one field rounded to a whole number; false when the read failed.
  bool readField(std::uint16_t base, const TripField& field, TripValue& value);
  void openInBinary();

  SharedState& state_;
  Link& link_;
};

} // namespace orvane
