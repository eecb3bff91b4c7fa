#include "logger/trip_history_lines.h"

namespace orvane {

std::vector<std::string> tripHistoryLines(const TripHistoryForm& form) {
  static const char* const kFrames[TripHistoryForm::kTrips] = {"Last Trip", "2nd Trip", "3rd Trip",
                                                               "4th Trip",  "5th Trip", "6th Trip"};
  std::vector<std::string> lines{"Total trips: " + form.Totaltrip};
  for (int number = 1; number <= TripHistoryForm::kTrips; ++number) {
    const TripCaptions& trip = form.trip(static_cast<std::int16_t>(number));
    if (trip.triphz.empty())
      continue; // not read: the drive holds fewer trips
    std::string line = std::string(kFrames[number - 1]) + ": ";
    if (!trip.tripcode.empty())
      line += trip.tripcode + ", ";
    lines.push_back(line + trip.triphz + ", " + trip.tripamps + ", " + trip.tripvolts + ", " + trip.triptime);
  }
  return lines;
}

} // namespace orvane
