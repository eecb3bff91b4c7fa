#include "logger/trip_history_lines.h"

#include "trips/trip_display.h"

namespace orvane {

std::vector<std::string> tripHistoryLines(const TripHistory& history, const std::string& model) {
  static const char* const kFrames[TripHistoryForm::kTrips] = {"Last Trip", "2nd Trip", "3rd Trip",
                                                               "4th Trip",  "5th Trip", "6th Trip"};
  TripHistoryForm window;
  std::vector<std::string> lines{"Total trips: " + (history.counter ? std::to_string(*history.counter) : "")};
  std::int16_t Number = 1;
  for (const TripRecord& record : history.records) {
    if (Number > TripHistoryForm::kTrips)
      break;
    Display(window, model, Number, record);
    const TripCaptions& trip = window.trip(Number);
    std::string line = std::string(kFrames[Number - 1]) + ": ";
    if (!trip.tripcode.empty())
      line += trip.tripcode + ", ";
    lines.push_back(line + trip.triphz + ", " + trip.tripamps + ", " + trip.tripvolts + ", " + trip.triptime);
    ++Number;
  }
  return lines;
}

} // namespace orvane
