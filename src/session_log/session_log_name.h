#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// The local clock time at which a session log was begun.
struct LogStartTime {
  int year = 1970;
  int month = 1; // 1 to 12
  int day = 1;   // 1 to 31
  int hour = 0;
  int minute = 0;
  int second = 0;
  bool operator==(const LogStartTime&) const = default;
};

// A session log that names itself by its start: "Trend-2026-12-06_23-43-01.CSV".
// When that name is taken already (two sessions in one second, or an hour the
// clocks went back through) the next occurrence from 2 up tells them apart:
// "Trend-2026-12-06_23-43-01-2.CSV".
std::string sessionLogFileName(const LogStartTime& start, int occurrence = 1);

// The start a file name (without its folder) carries, whatever its occurrence;
// none for any other name or for a date that does not exist. The extension's
// case does not matter.
std::optional<LogStartTime> sessionLogStartTime(std::string_view fileName);

} // namespace orvane
