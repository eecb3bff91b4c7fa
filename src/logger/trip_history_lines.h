#pragma once

#include "trips/trip_history_form.h"

#include <string>
#include <vector>

namespace orvane {

// The trip history as the window shows it, a line a frame: "Total trips: 5", then
// "Last Trip: Over Voltage from Regeneration, 50 Hz, 87 %, 565 Vdc, 1 Hours" and so on for each
// trip the read filled in, newest first. A trip whose code has no name shows its values alone.
std::vector<std::string> tripHistoryLines(const TripHistoryForm& form);

} // namespace orvane
