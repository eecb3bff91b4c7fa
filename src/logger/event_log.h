#pragma once

#include "logger/wall_clock.h"
#include "session_log/line_file.h"

#include <string>

namespace orvane {

// Events.CSV in the log folder: one line an event, kept across runs (appended, never truncated),
// each line synced as it is written. Columns: clock time (with its UTC offset), session file,
// event, text; a field
// holding a comma or a quote is quoted, its quotes doubled.
class EventLog {
public:
  static constexpr const char* kFileName = "Events.CSV";
  static constexpr const char* kHeader = "Clock time,Session file,Event,Text";

  // Opens (or creates, with its header) the file in `folder`. Returns the errno on failure.
  int open(const LogFolder& folder);
  // Whether the file at its name in `folder` is still the one written.
  bool inPlace(const LogFolder& folder) const { return file_.isAt(folder, kFileName); }
  // Returns the errno when the line could not be written whole, or not synced.
  int write(WallClock::TimePoint when, const std::string& sessionFile, const std::string& event,
            const std::string& text, Clock::Duration now);

private:
  LineFile file_;
};

// A CSV field: as it is, or quoted when it holds a comma, a quote or a line end (CR and LF and
// other control characters become blanks, so that one event stays one line).
std::string csvField(const std::string& text);

} // namespace orvane
