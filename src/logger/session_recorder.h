#pragma once

#include "logger/wall_clock.h"
#include "session_log/line_file.h"

#include <cstdint>
#include <string>

namespace orvane {

// The values of one log line, as the session log holds them.
struct LoggedValues {
  float frequency = 0;      // Hz, negative in reverse on the signed graph
  float current = 0;        // A
  float currentPercent = 0; // % of the rated current
  float dcLink = 0;         // V
};

// The session files of one folder. A session begins a new file named by its local start time,
// with the session log's header; each sample is one line. The time column is the tick's place on
// the sampling grid, `slot` × the interval, counted from the file's first line: a tick that was
// late does not shift it, and one that was skipped leaves a gap, so that the file's start plus the
// time column is the clock time of every sample. A session that runs past local midnight goes on
// in a new file named by the first sample of the new day, its time column again from 0.
class SessionRecorder {
public:
  SessionRecorder(const LogFolder& folder, const WallClock& wallClock) : folder_(folder), wall_(wallClock) {}

  // Begins a new file named by the local time now. Returns the errno on failure.
  int begin(int rateTenths, Clock::Duration now);
  // The line of grid slot `slot` (0 at the session's begin) of a tick that began at `tickStart`.
  // Returns the errno when it could not be written whole.
  int record(std::int64_t slot, WallClock::TimePoint tickStart, const LoggedValues& values, Clock::Duration now);
  // Syncs and closes the file.
  void end() { file_.close(); }

  bool recording() const { return file_.isOpen(); }
  // The current file's name (without the folder); the last one after end().
  const std::string& fileName() const { return fileName_; }
  // The time column of the last line written.
  const std::string& lastTime() const { return lastTime_; }
  double lastSeconds() const { return lastSeconds_; }
  LineFile& file() { return file_; }

private:
  int createFile(WallClock::TimePoint start, Clock::Duration now);

  const LogFolder& folder_;
  const WallClock& wall_;
  LineFile file_;
  std::string fileName_;
  std::string lastTime_;
  double lastSeconds_ = 0;
  int rateTenths_ = 5;
  std::int64_t firstSlot_ = 0;
  int fileDay_ = -1; // the local day of the year the file began on, with its year
};

} // namespace orvane
