#include "logger/unattended_logger.h"

#include "acquisition/display_text.h"
#include "live_limits/reading_limits.h"
#include "logger/logger_options.h"
#include "logger/trip_history_lines.h"
#include "platform/number_text.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>

namespace orvane {
namespace {

std::string seconds(Clock::Duration duration) {
  return plainText(std::chrono::duration<double>(duration).count()) + " s";
}

std::string identityText(const DriveIdentity& identity) {
  return identity.model + ", rated current " +
         (identity.ratedCurrent ? plainText(*identity.ratedCurrent) + " A" : std::string("not reported")) +
         ", maximum frequency " + plainText(identity.maxFrequency) + " Hz";
}

std::string valuesText(const LoggedValues& values) {
  return plainText(values.frequency) + " Hz, " + plainText(values.current) + " A, " +
         plainText(values.currentPercent) + " %, " + plainText(values.dcLink) + " V";
}

// The conditions of the status lines of failed tries to reach the drive, and of a drive that is
// identified again and again but fails before its first sample: it is still away.
constexpr const char* kDriveFailure = "drive";
constexpr const char* kIdentifiedAgain = "identified again";
constexpr const char* kReconnectedAgain = "reconnected again";
constexpr const char* kSessionAgain = "session again";
// The condition of a new session file that fails before it holds a sample.
constexpr const char* kNewFile = "new file";

} // namespace

Clock::Duration retryDelay(int failuresInARow) {
  constexpr int kQuickRetries = 3;
  constexpr Clock::Duration kFirst = std::chrono::seconds(5);
  constexpr Clock::Duration kLongest = std::chrono::seconds(60);
  Clock::Duration delay = kFirst;
  for (int failure = kQuickRetries; failure < failuresInARow && delay < kLongest; ++failure)
    delay *= 2;
  return std::min(delay, kLongest);
}

UnattendedLogger::UnattendedLogger(const Parts& parts, Settings settings)
    : parts_(parts), settings_(std::move(settings)), recorder_(folder_, parts.wall),
      repeated_(parts.status, parts.clock), linkHealth_(parts.clock.now()) {}

std::string UnattendedLogger::openFolder() {
  const std::filesystem::path folder(settings_.folder);
  std::error_code created;
  if (folder.has_parent_path())
    std::filesystem::create_directories(folder.parent_path(), created);
  if (created)
    return created.message();
  if (::mkdir(folder.c_str(), 0750) != 0 && errno != EEXIST)
    return std::strerror(errno);
  if (const int error = folder_.open(settings_.folder))
    return std::strerror(error);
  if (std::string refusal = lock_.take(folder_); !refusal.empty())
    return refusal;
  const int error = events_.open(folder_);
  return error ? std::string(EventLog::kFileName) + ": " + std::strerror(error) : std::string();
}

int UnattendedLogger::run() {
  if (const std::string refusal = openFolder(); !refusal.empty()) {
    parts_.status.report("failure", "the log folder " + settings_.folder + " cannot be written: " + refusal);
    return logger_exit::kFolderUnusable;
  }
  if (parts_.notifier)
    parts_.notifier->ready();
  notifyStatus("waiting for the drive on " + settings_.device);
  announce(SessionEvent::Kind::start, "start",
           "logging from " + settings_.device + " every " + seconds(interval()) + " into " + settings_.folder);
  while (!parts_.stop.stopRequested()) {
    std::string fault;
    SessionEnd end;
    if (connectAndBegin(fault)) {
      end = recordSession();
      sayLinkHealth(true);
      if (const int error = recorder_.end())
        fileFault("the session file " + recorder_.fileName() + " could not be closed: " + std::strerror(error));
      fault = end.fault;
    } else {
      sayLinkHealth(false);
    }
    parts_.drive.disconnect();
    if (end.stopped)
      break;
    ++failuresInARow_;
    const Clock::Duration delay = retryDelay(failuresInARow_);
    if (!fault.empty()) {
      // A drive away for days is tried every minute: its line comes at most once a minute, less
      // often the longer it lasts, and the broker still hears of every try.
      const std::string text = fault + "; port closed, next try in " + seconds(delay);
      repeated_.report(kDriveFailure, "failure", text);
      tell(SessionEvent::Kind::failure, text);
      notifyStatus("waiting for the drive on " + settings_.device + ": " + fault);
    }
    if (pause(delay))
      break;
  }
  if (parts_.notifier)
    parts_.notifier->stopping();
  parts_.drive.disconnect();
  sayLinkHealth(true); // the tries to connect since the last line count too
  announce(SessionEvent::Kind::stop, "end",
           "stopped; port closed, every file complete" +
               (unwritten_ > 0 ? "; " + std::to_string(unwritten_) + " samples could not be written" : ""));
  return logger_exit::kStopped;
}

// Identifies the drive and begins a session file; false with the fault in words, or with none
// when a stop was asked.
bool UnattendedLogger::connectAndBegin(std::string& fault) {
  const DriveResult<DriveIdentity> identity = parts_.drive.connect();
  if (!identity) {
    if (identity.failure.fault != DriveFault::Stopped)
      fault = identity.failure.detail;
    return false;
  }
  // Until a sample is logged the drive is not back: an outage's lines stay one repeated condition.
  const bool away = failuresInARow_ > 0;
  const auto say = [&](const char* condition, const std::string& kind, const std::string& text) {
    if (away)
      repeated_.report(condition, kind, text);
    else
      parts_.status.report(kind, text);
  };
  say(kIdentifiedAgain, "identified", identityText(*identity));
  if (parts_.consumer)
    parts_.consumer->identified(
        {identity->model, identity->ratedCurrent, identity->maxFrequency, settings_.rateTenths});
  if (sessions_ > 0 || away) {
    const std::string text = "the drive answers again after " + std::to_string(failuresInARow_) +
                             (failuresInARow_ == 1 ? " failed attempt" : " failed attempts");
    say(kReconnectedAgain, "reconnected", text);
    tell(SessionEvent::Kind::reconnection, text);
  }
  ++sessions_;
  if (const int error = recorder_.begin(settings_.rateTenths, parts_.clock.now())) {
    fileFault("a session file cannot be created in " + settings_.folder + ": " + std::strerror(error));
    return true;
  }
  say(kSessionAgain, "session", recorder_.fileName());
  notifyStatus("recording " + identity->model + " on " + settings_.device + " into " + recorder_.fileName());
  return true;
}

void UnattendedLogger::driveAnswered() {
  if (failuresInARow_ == 0)
    return;
  failuresInARow_ = 0;
  for (const char* condition : {kDriveFailure, kIdentifiedAgain, kReconnectedAgain, kSessionAgain})
    repeated_.ended(condition); // the next failure is news again
}

void UnattendedLogger::stillNoFile(const std::string& why) {
  nextFileTry_ = parts_.clock.now() + kFileRetry;
  repeated_.report(kNewFile, "file fault",
                   "still no session file in " + settings_.folder + ": " + why + "; " +
                       std::to_string(unwritten_) + " samples unwritten so far");
}

void UnattendedLogger::fileFault(const std::string& what) {
  recorder_.abandon();
  if (resumeUnsaid_) {
    // The new file failed before its first sample, as the last one did: still the same fault.
    resumeUnsaid_ = false;
    stillNoFile(what);
    return;
  }
  lastFileFault_ = what;
  unwrittenSince_ = 0;
  nextFileTry_ = parts_.clock.now() + kFileRetry;
  recordEvent("file fault", what);
  announce(SessionEvent::Kind::failure, "file fault",
           what + "; sampling goes on, recording resumes in a new file");
  notifyStatus("sampling " + settings_.device + ", not recording: " + what);
}

bool UnattendedLogger::storeSample(std::int64_t slot, WallClock::TimePoint tickStart, const LoggedValues& logged) {
  if (!recorder_.recording() && !resumeRecording(slot))
    return false;
  if (const int error = recorder_.record(slot, tickStart, logged, parts_.clock.now())) {
    fileFault("the session file " + recorder_.fileName() + " cannot be written: " + std::strerror(error));
    return false;
  }
  if (resumeUnsaid_)
    sayResumed();
  return true;
}

bool UnattendedLogger::resumeRecording(std::int64_t slot) {
  const Clock::Duration now = parts_.clock.now();
  if (now < nextFileTry_)
    return false;
  if (const int error = recorder_.resume(slot, now)) {
    stillNoFile(std::strerror(error));
    return false;
  }
  resumeUnsaid_ = true; // said with its first sample, so that a file that takes none is no news
  return true;
}

void UnattendedLogger::sayResumed() {
  resumeUnsaid_ = false;
  repeated_.ended(kNewFile);
  const std::string text = "recording again after " + lastFileFault_ + "; " + std::to_string(unwrittenSince_) +
                           " samples could not be written";
  recordEvent("recording resumed", text);
  announce(SessionEvent::Kind::reconnection, "session", recorder_.fileName() + ": " + text);
  notifyStatus("recording on " + settings_.device + " into " + recorder_.fileName());
}

void UnattendedLogger::keepFiles() {
  LineFile& file = recorder_.file();
  const std::optional<Clock::Duration> due = file.syncDue();
  if (!due || parts_.clock.now() < *due)
    return;
  if (const int error = file.sync()) {
    fileFault("the session file " + recorder_.fileName() + " could not be synced: " + std::strerror(error));
    return;
  }
  if (!recorder_.inPlace()) {
    const std::string name = recorder_.fileName();
    static_cast<void>(recorder_.end()); // what it holds now lives on under another name, or nowhere
    lastFileFault_ = "the session file " + name + " was renamed or deleted";
    unwrittenSince_ = 0;
    nextFileTry_ = parts_.clock.now();
    recordEvent("file fault", lastFileFault_);
    announce(SessionEvent::Kind::failure, "file fault", lastFileFault_ + "; recording goes on in a new file");
  }
  keepEventLog();
}

void UnattendedLogger::watchClock(WallClock::TimePoint tickStart) {
  constexpr auto kLargestDrift = std::chrono::seconds(1);
  const Clock::Duration now = parts_.clock.now();
  const WallClock::TimePoint expected =
      lastTickWall_ + std::chrono::duration_cast<WallClock::TimePoint::duration>(now - lastTickClock_);
  lastTickWall_ = tickStart;
  lastTickClock_ = now;
  if (tickStart - expected <= kLargestDrift && expected - tickStart <= kLargestDrift)
    return;
  const std::string text =
      "the clock went from " + clockTextWithOffset(expected) + " to " + clockTextWithOffset(tickStart);
  recordEvent("clock changed", text);
  announce(SessionEvent::Kind::clockChanged, "clock changed", text);
  if (!recorder_.recording())
    return;
  if (const int error = recorder_.end()) {
    fileFault("the session file " + recorder_.fileName() + " could not be closed: " + std::strerror(error));
    return;
  }
  lastFileFault_ = "the clock changed";
  unwrittenSince_ = 0;
  nextFileTry_ = now;
}

void UnattendedLogger::keepEventLog() {
  if (events_.inPlace(folder_))
    return;
  if (const int error = events_.open(folder_)) {
    repeated_.report("events", "failure",
                     std::string(EventLog::kFileName) + " cannot be opened again: " + std::strerror(error));
    return;
  }
  const std::string text = std::string(EventLog::kFileName) + " was renamed or deleted; created again";
  static_cast<void>(
      events_.write(parts_.wall.now(), recorder_.fileName(), "file fault", text, parts_.clock.now()));
  parts_.status.report("file fault", text);
}

bool UnattendedLogger::pause(Clock::Duration duration) {
  // Well within the service's watchdog time of 60 s.
  constexpr Clock::Duration kLongestSilence = std::chrono::seconds(20);
  const Clock::Duration end = parts_.clock.now() + duration;
  for (Clock::Duration left = duration; left > Clock::Duration::zero(); left = end - parts_.clock.now()) {
    if (parts_.notifier)
      parts_.notifier->watchdog();
    if (parts_.stop.waitFor(std::min(left, kLongestSilence)))
      return true;
  }
  return parts_.stop.stopRequested();
}

void UnattendedLogger::notifyStatus(const std::string& text) const {
  if (parts_.notifier)
    parts_.notifier->status(text);
}

UnattendedLogger::SessionEnd UnattendedLogger::recordSession() {
  const Clock::Duration origin = parts_.clock.now();
  lastTickWall_ = parts_.wall.now();
  lastTickClock_ = origin;
  std::int64_t slot = 0;
  bool tripped = false;
  for (;;) {
    // Each tick tells the watchdog the loop goes round: a tick stuck in a call stops the pings.
    if (parts_.notifier)
      parts_.notifier->watchdog();
    const WallClock::TimePoint tickStart = parts_.wall.now();
    watchClock(tickStart);
    const DriveResult<Reading> reading = parts_.drive.tick();
    if (!reading)
      return {reading.failure.fault == DriveFault::Stopped, reading.failure.detail};
    driveAnswered();
    if (reading->tripped && !tripped) {
      tripped = true;
      if (SessionEnd end = recordTrip(*reading); end.stopped || !end.fault.empty())
        return end;
    } else if (!reading->tripped) {
      if (tripped) {
        tripped = false;
        recordEvent("trip cleared", trimmedDisplay(reading->displayText.value_or("")));
        parts_.status.report("trip cleared", "logging again");
      }
      const LoggedValues logged = parts_.drive.logged(*reading);
      const bool written = storeSample(slot, tickStart, logged);
      if (!written) {
        ++unwritten_;
        ++unwrittenSince_;
      }
      logSample(tickStart, *reading, logged, slot, written);
    }
    sayLinkHealth(false);
    if (!waitForNextSlot(origin, slot))
      return {true, {}};
  }
}

UnattendedLogger::SessionEnd UnattendedLogger::recordTrip(const Reading& reading) {
  const std::string text = trimmedDisplay(reading.displayText.value_or(""));
  recordEvent("trip", text);
  parts_.status.report("trip", text + "; logging paused until the trip is cleared at the drive");
  const DriveResult<TripHistory> history = parts_.drive.readTripHistory();
  if (!history) {
    if (history.failure.fault == DriveFault::Stopped)
      return {true, {}};
    recordEvent("trip history", "not read: " + history.failure.detail);
    tell(SessionEvent::Kind::trip, text);
    return {false, history.failure.detail};
  }
  const std::vector<std::string> lines = tripHistoryLines(*history, parts_.drive.model());
  for (const std::string& line : lines)
    recordEvent("trip history", line);
  tell(SessionEvent::Kind::trip, text, lines);
  return {};
}

bool UnattendedLogger::waitForNextSlot(Clock::Duration origin, std::int64_t& slot) {
  LineFile& file = recorder_.file();
  const Clock::Duration now = parts_.clock.now();
  // A tick that overran its interval skips the slots it covered; the next one starts on the grid.
  const std::int64_t next = std::max(slot + 1, (now - origin + interval() - Clock::Duration(1)) / interval());
  lateTicks_ += static_cast<std::uint64_t>(next - slot - 1);
  slot = next;
  const Clock::Duration due = origin + slot * interval();
  for (Clock::Duration at = now; at < due; at = parts_.clock.now()) {
    const Clock::Duration wake = std::min(due, file.syncDue().value_or(due));
    if (parts_.stop.waitFor(std::max(wake - at, Clock::Duration::zero())))
      return false;
    keepFiles();
  }
  keepFiles();
  return true;
}

void UnattendedLogger::recordEvent(const std::string& event, const std::string& text) {
  keepEventLog();
  const WallClock::TimePoint when = parts_.wall.now();
  if (const int error = events_.write(when, recorder_.fileName(), event, text, parts_.clock.now()))
    repeated_.report("events", "failure",
                     std::string(EventLog::kFileName) + " cannot be written: " + std::strerror(error));
}

void UnattendedLogger::tell(SessionEvent::Kind kind, const std::string& text,
                            const std::vector<std::string>& tripHistory) {
  if (parts_.consumer)
    parts_.consumer->happened(parts_.wall.now(), {kind, text, tripHistory});
}

void UnattendedLogger::announce(SessionEvent::Kind kind, const std::string& status, const std::string& text,
                                const std::vector<std::string>& tripHistory) {
  parts_.status.report(status, text);
  tell(kind, text, tripHistory);
}

void UnattendedLogger::logSample(WallClock::TimePoint tickStart, const Reading& reading,
                                 const LoggedValues& logged, std::int64_t slot, bool written) {
  parts_.status.sample((written ? recorder_.fileName() + " at " + recorder_.lastTime() + " s: " : "unwritten: ") +
                       valuesText(logged));
  if (parts_.consumer)
    parts_.consumer->sampled(tickStart, recorder_.secondsAt(slot), reading);
  watchLimits(reading);
}

// On the monotonic clock, so that a clock step or a new session file neither shortens nor
// lengthens a limit's duration; a trip's pause and a reconnection count as time beyond.
void UnattendedLogger::watchLimits(const Reading& reading) {
  if (!parts_.limits)
    return;
  const double now = std::chrono::duration<double>(parts_.clock.now()).count();
  for (const LimitEvent& event : parts_.limits->feed(now, limitReading(reading))) {
    recordEvent(limitEventName(event.kind), event.text);
    announce(event.kind == LimitEvent::Kind::Raised ? SessionEvent::Kind::limit : SessionEvent::Kind::limitCleared,
             limitEventName(event.kind), event.text);
  }
}

void UnattendedLogger::sayLinkHealth(bool sessionEnd) {
  LinkHealth total = parts_.drive.linkHealth();
  total.lateTicks = lateTicks_;
  const Clock::Duration now = parts_.clock.now();
  if (parts_.consumer)
    parts_.consumer->linkCounted(total, now);
  if (const std::optional<LinkHealth> said = linkHealth_.statusDue(total, now))
    repeated_.report("link", "link", linkHealthText(*said)); // ticks late all day: not a line a minute
  if (const std::optional<LinkHealth> since = linkHealth_.eventDue(total, now, sessionEnd))
    recordEvent(kLinkHealthEvent, linkHealthText(*since));
}

} // namespace orvane
