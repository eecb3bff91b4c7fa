#pragma once

#include "acquisition/session_consumer.h"
#include "limits/limit_watch.h"
#include "logger/event_log.h"
#include "logger/folder_lock.h"
#include "logger/link_health_schedule.h"
#include "logger/logger_drive.h"
#include "logger/repeated_status.h"
#include "logger/service_notifier.h"
#include "logger/session_recorder.h"
#include "logger/status_lines.h"
#include "logger/stop_wait.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orvane {

// How long to wait before the next attempt after `failuresInARow` failed ones: 5 s for the first
// three, then doubling up to 60 s.
Clock::Duration retryDelay(int failuresInARow);

// The unattended recording: connect, record a session, and after any fault of the drive or the
// line report it, close the port and try again, until a stop is asked.
class UnattendedLogger {
public:
  struct Parts {
    LoggerDrive& drive;
    Clock& clock; // monotonic: the sampling grid and the sync interval
    const WallClock& wall;
    StopWait& stop;
    const StatusLines& status;
    // Told of each identification, every sample once it is in its file (or known to stay
    // unwritten), what happens to the recording (its start and stop, a trip with its trip history,
    // a failure with its reason, the drive answering again, the wall clock set) and the link's
    // counts (the late ticks the logger's own) at every tick and every try to connect.
    SessionConsumer* consumer = nullptr;
    LimitWatch* limits = nullptr; // fed every logged reading; what it raises is an event
    ServiceNotifier* notifier = nullptr;
  };
  struct Settings {
    std::string folder;
    int rateTenths = 5;
    std::string device;
  };

  UnattendedLogger(const Parts& parts, Settings settings);

  // Runs until a stop is asked; returns the exit code.
  int run();

private:
  // How a session ended: at a stop, or at a fault (the detail in words).
  struct SessionEnd {
    bool stopped = false;
    std::string fault;
  };

  // Opens the folder (made 0750 when missing) and takes it; the refusal in words, empty when taken.
  std::string openFolder();
  bool connectAndBegin(std::string& fault);
  // A reading came: the drive is back, and its next failure is news again.
  void driveAnswered();
  // A file that cannot be written ends, said everywhere; sampling goes on and recording resumes in
  // a new file when the disk takes one (a file fault is not the drive's).
  void fileFault(const std::string& what);
  // Writes the sample of grid slot `slot`, in a new file when the last one ended; false when it
  // stays unwritten.
  bool storeSample(std::int64_t slot, WallClock::TimePoint tickStart, const LoggedValues& logged);
  bool resumeRecording(std::int64_t slot);
  // A new file could not be begun, or failed before its first sample: the same fault, tried again.
  void stillNoFile(const std::string& why);
  // Says that recording resumed, once the new file holds its first sample.
  void sayResumed();
  // Syncs the session file when due and makes sure it and Events.CSV are still at their names.
  void keepFiles();
  // Reopens Events.CSV when its name no longer leads to the file the logger writes.
  void keepEventLog();
  // Compares the wall clock with the monotonic one at each tick: after a step of more than 1 s
  // (NTP at boot, a manual correction) the file ends and the next begins under the true time,
  // so that a file's name plus its time column stays the clock time of each sample.
  void watchClock(WallClock::TimePoint tickStart);
  SessionEnd recordSession();
  SessionEnd recordTrip(const Reading& reading);
  // Waits `duration` between tries, telling the watchdog the loop lives; true when a stop was asked.
  bool pause(Clock::Duration duration);
  void notifyStatus(const std::string& text) const;
  // Waits for the grid slot after `slot` that has not begun; false when a stop was asked.
  bool waitForNextSlot(Clock::Duration origin, std::int64_t& slot);
  void recordEvent(const std::string& event, const std::string& text);
  void tell(SessionEvent::Kind kind, const std::string& text, const std::vector<std::string>& tripHistory = {});
  // Reports a status line and tells the consumer.
  void announce(SessionEvent::Kind kind, const std::string& status, const std::string& text,
                const std::vector<std::string>& tripHistory = {});
  void logSample(WallClock::TimePoint tickStart, const Reading& reading, const LoggedValues& logged,
                 std::int64_t slot, bool written);
  void watchLimits(const Reading& reading);
  // The link's counts and the slots skipped, in a status line and in Events.CSV when due.
  void sayLinkHealth(bool sessionEnd);
  Clock::Duration interval() const { return std::chrono::milliseconds(100) * settings_.rateTenths; }

  // How often a new session file is tried while the disk refuses them.
  static constexpr Clock::Duration kFileRetry = std::chrono::seconds(10);

  Parts parts_;
  Settings settings_;
  LogFolder folder_;
  FolderLock lock_;
  SessionRecorder recorder_;
  EventLog events_;
  RepeatedStatus repeated_;
  LinkHealthSchedule linkHealth_;
  std::uint64_t lateTicks_ = 0; // grid slots skipped by ticks that overran
  int failuresInARow_ = 0;
  int sessions_ = 0;
  std::uint64_t unwritten_ = 0;      // samples no file took, in all
  std::uint64_t unwrittenSince_ = 0; // since the last file ended at a fault
  std::string lastFileFault_;
  bool resumeUnsaid_ = false; // a file begun again after a fault, not yet holding a sample
  Clock::Duration nextFileTry_{};
  WallClock::TimePoint lastTickWall_{};
  Clock::Duration lastTickClock_{};
};

} // namespace orvane
