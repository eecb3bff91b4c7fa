#pragma once

#include "session_log/session_log_format.h"
#include "timeline/logger_files.h"

#include <functional>
#include <span>
#include <string>
#include <vector>

namespace orvane {

struct TimelineReadReport {
  // Lines that are neither samples, headers nor blank, and samples earlier than the one before.
  std::size_t skippedLines = 0;
  // "path: reason" for each file that could not be read.
  std::vector<std::string> failures;
};

// Reads the files whole, in the order given, on the calling thread, and hands
// their samples to `take` in pieces (a piece never spans two files) with each
// time as the file's start plus its time column: seconds since the epoch for
// a logger's file. Times never fall: a sample earlier than the one before it
// is skipped. The memory held is one piece, not the files.
TimelineReadReport readTimelineSamples(const std::vector<LoggerFile>& files,
                                       const std::function<void(std::span<const Sample>)>& take);

} // namespace orvane
