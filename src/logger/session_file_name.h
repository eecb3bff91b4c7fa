#pragma once

#include <ctime>
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// A session file is named by the local time its first line was taken:
// Trend-YYYY-MM-DD_HH-MM-SS.CSV. When that name is taken already (two sessions in one second, or
// the hour repeated when the clocks go back) the next free of Trend-…-SS-2.CSV, -3, … is used.
std::string sessionFileName(const std::tm& localStart, int occurrence = 1);

// The local start time a session file name gives (its second, minute, hour, day, month and year;
// the rest of the result zero), or nothing for a name that is no session file's.
std::optional<std::tm> sessionFileStart(std::string_view name);

} // namespace orvane
