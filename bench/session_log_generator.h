#pragma once

#include <string>

namespace orvane::bench {

// Writes a session log of `hours` at 0.5 s as the program writes it: a drive
// that runs forward and in reverse (negative frequency, as on the signed
// graph), decelerates with the DC link rising, stands still, and once a day
// at 13:20:00 trips on an overcurrent peak. Returns the number of samples.
long writeSessionLog(const std::string& path, double hours);

// Writes a logger's folder of `days` daily files of 24 hours each, from
// 2026-11-01 local time (Trend-2026-11-01_00-00-00.CSV, ...), and an
// Events.CSV with each day's trip and its clearing. Returns the number of samples.
long writeLoggerFolder(const std::string& folder, int days);

} // namespace orvane::bench
