#pragma once

#include "logger/wall_clock.h"
#include "session_log/line_file.h"
#include "session_log/session_log_format.h"

#include <cstdint>
#include <string>

namespace orvane {

// The session files of one folder. A session begins a new file named by its local start time,
// with the session log's header; each sample is one line. The time column is the tick's place on
// the sampling grid, `slot` × the interval, counted from the file's first line: a tick that was
// late does not shift it, and one that was skipped leaves a gap, so that the file's start plus the
// time column is the clock time of every sample. A session that runs past local midnight goes on
// in a new file named by the first sample of the new day, its time column again from 0.
class SessionRecorder {
public:
  SessionRecorder(const LogFolder& folder, const WallClock& wallClock) : folder_(folder), wall_(wallClock) {}

  // Begins a new file named by the local time now. Returns the errno on failure; a file that
  // could not take its header is removed again.
  int begin(int rateTenths, Clock::Duration now);
  // Goes on in a new file named by the local time now, from grid slot `slot` (time 0 there): after
  // a file fault, or a step of the clock. Returns the errno on failure.
  int resume(std::int64_t slot, Clock::Duration now);
  // The line of grid slot `slot` (0 at the session's begin) of a tick that began at `tickStart`.
  // Returns the errno when it could not be written whole.
  int record(std::int64_t slot, WallClock::TimePoint tickStart, const LoggedValues& values, Clock::Duration now);
  // Syncs and closes the file; returns the errno when the disk refused. A file still at its name
  // that holds no sample is removed: a drive that fails at its first tick, again and again, or a
  // disk that takes a header but no line, leaves no trail of empty files.
  int end();
  // Closes the file after a fault, which is the one reported rather than the close's.
  void abandon() { static_cast<void>(end()); }
  // Whether the file is still the one at its name.
  bool inPlace() const { return file_.isAt(folder_, fileName_); }

  bool recording() const { return file_.isOpen(); }
  // The current file's name (without the folder); the last one after end().
  const std::string& fileName() const { return fileName_; }
  // The time column of the last line written.
  const std::string& lastTime() const { return lastTime_; }
  // The time column of grid slot `slot` in the current (or last) file.
  double secondsAt(std::int64_t slot) const { return static_cast<double>(slot - firstSlot_) * rateTenths_ / 10.0; }
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
  std::int64_t samplesInFile_ = 0;
  int fileDay_ = -1; // the local day of the year the file began on, with its year
};

} // namespace orvane
