#pragma once

#include "monitor/session_log_name.h"

#include <string>
#include <vector>

namespace orvane {

// A logger's session file and the clock time its name gives its first line.
struct LoggerFile {
  std::string path;
  // Seconds since the epoch of the local start time in the name.
  double start = 0;
};

// The logger's files of `folder` (Trend-YYYY-MM-DD_HH-MM-SS[-N].CSV), in the
// order they were begun: by start, then by occurrence. Other files, folders
// and names with dates that do not exist are left out; a folder that cannot
// be read has none.
std::vector<LoggerFile> loggerFiles(const std::string& folder);

// Seconds since the epoch of a local time, as the time zone in force has it
// (the earlier of two when the clocks go back).
double localEpochSeconds(const LogStartTime& local);

} // namespace orvane
