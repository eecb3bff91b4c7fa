#include "summary/summary_source.h"

#include "timeline/logger_files.h"
#include "timeline/timeline_events.h"
#include "timeline/timeline_reader.h"

#include <filesystem>

namespace orvane {
namespace {

// The sample interval from the smallest step between the samples of a file's first piece.
std::optional<double> intervalOf(std::span<const Sample> samples) {
  std::optional<double> smallest;
  for (std::size_t at = 1; at < samples.size(); ++at)
    if (const double step = samples[at].time - samples[at - 1].time; step > 0 && (!smallest || step < *smallest))
      smallest = step;
  if (smallest)
    smallest = sampleInterval(*smallest);
  return smallest;
}

} // namespace

SummaryOutcome summarise(const SummaryRequest& request, const std::vector<Limit>& limits) {
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::file_status status = fs::status(request.path, error);
  if (error)
    return {std::nullopt, request.path + ": " + error.message(), {}};
  std::vector<LoggerFile> files;
  std::vector<TimelineEvent> events;
  bool clockTimes = true;
  if (fs::is_directory(status)) {
    files = loggerFiles(request.path);
    if (files.empty())
      return {std::nullopt, request.path + " holds no logger files (Trend-YYYY-MM-DD_HH-MM-SS.CSV)", {}};
    events = readEvents(request.path);
  } else {
    const fs::path path(request.path);
    const std::optional<double> start = loggerFileStartSeconds(path.filename().string());
    clockTimes = start.has_value();
    files.push_back({request.path, start.value_or(0)});
    if (clockTimes)
      for (TimelineEvent& event : readEvents(path.parent_path().empty() ? "." : path.parent_path().string()))
        if (event.sessionFile == path.filename().string())
          events.push_back(std::move(event));
  }
  if (!clockTimes && (request.from || request.to))
    return {
        std::nullopt, "--from and --to are clock times, which only a logger's file (named by its start) has", {}};

  SummaryOutcome outcome;
  SummaryBuilder builder(limits, {request.from, request.to}, clockTimes);
  double interval = 0;
  std::size_t skipped = 0;
  for (const LoggerFile& file : files) {
    bool firstPiece = true;
    const TimelineReadReport report = readTimelineSamples({file}, [&](std::span<const Sample> piece) {
      if (firstPiece)
        interval = intervalOf(piece).value_or(interval);
      firstPiece = false;
      for (const Sample& sample : piece)
        builder.add(sample, interval);
    });
    skipped += report.skippedLines;
    outcome.warnings.insert(outcome.warnings.end(), report.failures.begin(), report.failures.end());
  }
  if (skipped > 0)
    outcome.warnings.push_back(std::to_string(skipped) + " lines that are no samples were passed over");
  if (builder.empty()) {
    outcome.error = request.path + ": no samples" + (request.from || request.to ? " in the time asked for" : "");
    return outcome;
  }
  for (TimelineEvent& event : events)
    if (event.kind == "trip")
      builder.addTrip(event.time, std::move(event.text));
    else if (event.kind == kLinkHealthEvent)
      if (const std::optional<LinkHealth> counts = linkHealthFromText(event.text))
        builder.addLinkHealth(event.time, *counts);
  outcome.summary = builder.finish();
  return outcome;
}

} // namespace orvane
