#pragma once

#include "limits/limit.h"
#include "summary/day_figures.h"
#include "summary/summary_request.h"

#include <string>
#include <vector>

namespace orvane {

// The summary of a request's file or folder with the limits given, or why there is none.
struct SummaryOutcome {
  std::optional<Summary> summary;
  std::string error;                 // no summary: why
  std::vector<std::string> warnings; // files that could not be read, lines skipped
};

// Reads the logger's files of a folder (with the trips of its Events.CSV), or one session log
// (with the trips its folder's Events.CSV gives it, when it is a logger's file), file by file.
SummaryOutcome summarise(const SummaryRequest& request, const std::vector<Limit>& limits);

} // namespace orvane
