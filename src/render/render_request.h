#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace orvane {

// A local date and time as written on the command line or in a logger's file name.
struct ClockTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  double second = 0;
  friend bool operator==(const ClockTime&, const ClockTime&) = default;
};

// A limit of the pictured time: seconds from the session's start, or a clock time.
using TimeLimit = std::variant<double, ClockTime>;

// What `--render` is asked to draw, and where to.
struct RenderRequest {
  enum class Format { Png, Pdf };

  std::string log;
  std::string picture;
  Format format = Format::Png;
  int width = 1600;
  int height = 900;
  // 1 for the first session of the file; none for the last.
  std::optional<std::size_t> session;
  std::optional<TimeLimit> from;
  std::optional<TimeLimit> to;
  // The events of Events.CSV as marks, for a folder or a logger's file.
  bool events = true;
  // The limits drawn: this file, or when none is named limits.conf beside ta.ini if there is one.
  std::string limitsFile;
};

// The request, or why the arguments are not one.
struct ParsedRender {
  std::optional<RenderRequest> request;
  std::string error;
};

inline constexpr std::string_view kRenderUsage =
    "usage: orvane-trend --render FILE|DIR (--png OUT | --pdf OUT) [--size WxH] [--session N]\n"
    "                    [--from TIME] [--to TIME] [--no-events] [--limits FILE]\n"
    "  DIR          a logger's folder: its files as one timeline, in clock time\n"
    "  --size WxH   picture size in pixels (default 1600x900)\n"
    "  --session N  the Nth session of the file, from 1 (default: the last)\n"
    "  TIME         seconds or h:mm:ss from the session's start, or a clock time\n"
    "               YYYY-MM-DDTHH:MM[:SS] for a folder or a file named Trend-YYYY-MM-DD_HH-MM-SS.CSV\n"
    "  --no-events  leaves out the marks of the events in the folder's Events.CSV\n"
    "  --limits FILE  the limits drawn (default: limits.conf beside ta.ini, when there is one)\n";

// Reads the arguments after the program's name, the first being "--render".
ParsedRender parseRenderArguments(const std::vector<std::string_view>& arguments);

// The local time a logger's file was started at, from its name
// (Trend-YYYY-MM-DD_HH-MM-SS.CSV, in any folder); none for any other name.
std::optional<ClockTime> loggerFileStart(std::string_view path);

// Seconds since the epoch of a local clock time, as the system's time zone has it.
double epochSeconds(const ClockTime& time);

// The time limits in seconds from the session's start. A clock time needs the
// file's start, which is the start of its first session only.
struct SessionRange {
  std::optional<double> from;
  std::optional<double> to;
  std::string error;
};
SessionRange sessionRange(const RenderRequest& request, const std::optional<ClockTime>& fileStart,
                          bool firstSession);

} // namespace orvane
