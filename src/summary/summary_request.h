#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace orvane {

// What `--summary` is asked for.
struct SummaryRequest {
  std::string path;           // a session log or a folder of the logger's files
  std::optional<double> from; // seconds since the epoch of a local clock time
  std::optional<double> to;
  bool json = false;
  std::string limitsFile; // empty: limits.conf beside ta.ini, when there is one
};

struct ParsedSummary {
  std::optional<SummaryRequest> request;
  std::string error;
};

inline constexpr std::string_view kSummaryUsage =
    "usage: orvane-trend --summary FILE|DIR [--from T] [--to T] [--json] [--limits FILE]\n"
    "  FILE|DIR     a session log, or a folder of the logger's files (Trend-YYYY-MM-DD_HH-MM-SS.CSV)\n"
    "  T            a local clock time YYYY-MM-DD[THH:MM[:SS]]; --to is not included\n"
    "  --json       one JSON object instead of the table\n"
    "  --limits F   the limits whose time beyond is counted (default: limits.conf beside ta.ini)\n";

// Reads the arguments after the program's name, the first being "--summary".
ParsedSummary parseSummaryArguments(std::span<const std::string_view> arguments);

// Seconds since the epoch of "YYYY-MM-DD" (its midnight) or "YYYY-MM-DDTHH:MM[:SS]" (a blank in
// place of the T as well), local time; none for any other text or a date that does not exist.
std::optional<double> localClockSeconds(std::string_view text);

} // namespace orvane
