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

// A session log that names itself by its start: "Trend-2026-12-06_23-43-01.CSV",
// with the local time's offset from UTC in minutes when given:
// "Trend-2026-10-25_02-30-00+0100.CSV" (so each file of the hour the clocks go
// back through says which of the two it began in). When that name is taken
// already (two sessions in one second) the next occurrence from 2 up tells them
// apart: "Trend-2026-12-06_23-43-01+0100-2.CSV".
std::string sessionLogFileName(const LogStartTime& start, int occurrence = 1,
                               std::optional<int> utcOffsetMinutes = std::nullopt);

// The start a file name (without its folder) carries, whatever its occurrence;
// none for any other name or for a date that does not exist. The extension's
// case does not matter.
std::optional<LogStartTime> sessionLogStartTime(std::string_view fileName);
// The UTC offset (minutes east) a file name carries after its start; none for a
// name without one, or no session log's name.
std::optional<int> sessionLogUtcOffset(std::string_view fileName);

} // namespace orvane
