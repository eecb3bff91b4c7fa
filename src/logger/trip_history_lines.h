#pragma once

#include "acquisition/trip_history_read.h"

#include <string>
#include <vector>

namespace orvane {

// The trip history of `model` as the trip history window shows it, a line a frame:
// "Total trips: 5", then "Last Trip: Over Voltage from Regeneration, 50 Hz, 87 %, 565 Vdc,
// 1 Hours" and so on, newest first. A trip whose code has no name shows its values alone.
std::vector<std::string> tripHistoryLines(const TripHistory& history, const std::string& model);

} // namespace orvane
