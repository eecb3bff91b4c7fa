#include "trips/trip_history_show.h"

#include "trips/trip_display.h"

namespace orvane {

void showTripHistory(Link& link, const TripHistory& history, const std::string& model, TripHistoryForm& window,
                     std::int16_t& OK, const std::function<void()>& stopSession) {
  if (history.counter)
    window.Totaltrip = std::to_string(*history.counter);
  else if (!history.failure)
    window.Totaltrip.clear();
  std::int16_t Number = 1;
  for (const TripRecord& record : history.records)
    Display(window, model, Number++, record);
  if (!history.failure)
    return;
  OK = 1;
  if (*history.failure == LinkFailure::ReadTimedOut) {
    link.showCommunicationsError();
    stopSession();
  }
  if (history.recordFailed)
    link.showCommunicationsError();
}

} // namespace orvane
