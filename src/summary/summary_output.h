#pragma once

#include "summary/day_figures.h"

#include <string>

namespace orvane {

// {"days": [DAY, ...], "total": DAY}, each DAY {"date", "samples", "missing_samples",
// "running_hours", "starts", "reversals", "trips": [{"time", "text"}], "peak_current_a",
// "peak_current_time", "dc_link_v": {"min", "mean", "max"}, "above_limits_s": {NAME: seconds}};
// times are local clock times, and what the data cannot give is null.
std::string summaryJson(const Summary& summary);

// A row a day and one for the whole range, then the trips with their times and texts.
std::string summaryTable(const Summary& summary);

} // namespace orvane
