#pragma once

#include "session_log/session_log_name.h"

#include <optional>
#include <string>
#include <vector>

namespace orvane {

// A logger's session file and the clock time its name gives its first line.
struct LoggerFile {
  std::string path;
  // Seconds since the epoch of the start time in the name: exact where the name carries its UTC
  // offset, else read in the local time zone.
  double start = 0;
};

// The start a logger's file name gives (see LoggerFile::start); none for another name.
std::optional<double> loggerFileStartSeconds(const std::string& name);

// The logger's files of `folder` (Trend-YYYY-MM-DD_HH-MM-SS[+HHMM][-N].CSV), in the
// order they were begun: by start, then by occurrence. Other files, folders
// and names with dates that do not exist are left out; a folder that cannot
// be read has none.
std::vector<LoggerFile> loggerFiles(const std::string& folder);

// Seconds since the epoch of a local time, as the time zone in force has it
// (the earlier of two when the clocks go back).
double localEpochSeconds(const LogStartTime& local);

} // namespace orvane
