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
std::string sessionLogFileName(const LogStartTime& start);

// The start a file name (without its folder) carries; none for any other name
// or for a date that does not exist. The extension's case does not matter.
std::optional<LogStartTime> sessionLogStartTime(std::string_view fileName);

} // namespace orvane
