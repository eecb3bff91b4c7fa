#include "summary/summary_command.h"

#include "limits/limits_file.h"
#include "summary/summary_output.h"
#include "summary/summary_source.h"

#include <cstdio>
#include <vector>

namespace orvane {

int runSummaryCommand(int argc, const char* const* argv) {
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  const ParsedSummary parsed = parseSummaryArguments(arguments);
  if (!parsed.request) {
    std::fprintf(stderr, "orvane-trend: %s\n%.*s", parsed.error.c_str(), static_cast<int>(kSummaryUsage.size()),
                 kSummaryUsage.data());
    return 2;
  }
  const SummaryRequest& request = *parsed.request;
  // Limits named on the command line must be right; the window's own file is only a default.
  const LoadedLimits limits = request.limitsFile.empty() ? loadLimitsFile(windowLimitsPath(), true)
                                                         : loadLimitsFile(request.limitsFile, false);
  if (!limits.error.empty()) {
    std::fprintf(stderr, "orvane-trend: %s\n", limits.error.c_str());
    if (!request.limitsFile.empty())
      return 2;
  }
  const SummaryOutcome outcome = summarise(request, limits.limits);
  for (const std::string& warning : outcome.warnings)
    std::fprintf(stderr, "orvane-trend: %s\n", warning.c_str());
  if (!outcome.summary) {
    std::fprintf(stderr, "orvane-trend: %s\n", outcome.error.c_str());
    return 1;
  }
  const std::string text = request.json ? summaryJson(*outcome.summary) : summaryTable(*outcome.summary);
  std::fwrite(text.data(), 1, text.size(), stdout);
  return 0;
}

} // namespace orvane
