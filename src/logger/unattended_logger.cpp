#include "logger/unattended_logger.h"

#include "live_publish/published_reading.h"
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
    : parts_(parts), settings_(std::move(settings)), recorder_(folder_, parts.wall) {}

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
  announce(EventKind::start, "start",
           "logging from " + settings_.device + " every " + seconds(interval()) + " into " + settings_.folder);
  while (!parts_.stop.stopRequested()) {
    std::string fault;
    SessionEnd end;
    if (connectAndBegin(fault)) {
      end = recordSession();
      recorder_.end();
      fault = end.fault;
    }
    parts_.drive.disconnect();
    if (end.stopped)
      break;
    ++failuresInARow_;
    const Clock::Duration delay = retryDelay(failuresInARow_);
    if (!fault.empty()) {
      announce(EventKind::failure, "failure", fault + "; port closed, next try in " + seconds(delay));
      notifyStatus("waiting for the drive on " + settings_.device + ": " + fault);
    }
    if (pause(delay))
      break;
  }
  if (parts_.notifier)
    parts_.notifier->stopping();
  recorder_.end();
  parts_.drive.disconnect();
  announce(EventKind::stop, "end", "stopped; port closed, every file complete");
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
  parts_.status.report("identified", identityText(*identity));
  if (parts_.observer)
    parts_.observer->identified(*identity);
  if (sessions_ > 0 || failuresInARow_ > 0)
    announce(EventKind::reconnection, "reconnected",
             "the drive answers again after " + std::to_string(failuresInARow_) +
                 (failuresInARow_ == 1 ? " failed attempt" : " failed attempts"));
  if (const int error = recorder_.begin(settings_.rateTenths, parts_.clock.now())) {
    fault = "a session file cannot be created in " + settings_.folder + ": " + std::strerror(error);
    return false;
  }
  failuresInARow_ = 0;
  ++sessions_;
  parts_.status.report("session", recorder_.fileName());
  notifyStatus("recording " + identity->model + " on " + settings_.device + " into " + recorder_.fileName());
  return true;
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

void UnattendedLogger::notifyStatus(const std::string& text) {
  if (parts_.notifier)
    parts_.notifier->status(text);
}

UnattendedLogger::SessionEnd UnattendedLogger::recordSession() {
  const Clock::Duration origin = parts_.clock.now();
  std::int64_t slot = 0;
  bool tripped = false;
  for (;;) {
    // Each tick tells the watchdog the loop goes round: a tick stuck in a call stops the pings.
    if (parts_.notifier)
      parts_.notifier->watchdog();
    const WallClock::TimePoint tickStart = parts_.wall.now();
    const DriveResult<Reading> reading = parts_.drive.tick();
    if (!reading)
      return {reading.failure.fault == DriveFault::Stopped, reading.failure.detail};
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
      if (const int error = recorder_.record(slot, tickStart, logged, parts_.clock.now()))
        return {false, "the session file " + recorder_.fileName() + " cannot be written: " + std::strerror(error)};
      logSample(tickStart, *reading, logged);
    }
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
    if (parts_.observer)
      parts_.observer->happened(parts_.wall.now(), EventKind::trip, text, {});
    return {false, history.failure.detail};
  }
  const std::vector<std::string> lines = tripHistoryLines(*history, parts_.drive.model());
  for (const std::string& line : lines)
    recordEvent("trip history", line);
  if (parts_.observer)
    parts_.observer->happened(parts_.wall.now(), EventKind::trip, text, lines);
  return {};
}

bool UnattendedLogger::waitForNextSlot(Clock::Duration origin, std::int64_t& slot) {
  LineFile& file = recorder_.file();
  const Clock::Duration now = parts_.clock.now();
  // A tick that overran its interval skips the slots it covered; the next one starts on the grid.
  slot = std::max(slot + 1, (now - origin + interval() - Clock::Duration(1)) / interval());
  const Clock::Duration due = origin + slot * interval();
  for (Clock::Duration at = now; at < due; at = parts_.clock.now()) {
    const Clock::Duration wake = std::min(due, file.syncDue().value_or(due));
    if (parts_.stop.waitFor(std::max(wake - at, Clock::Duration::zero())))
      return false;
    file.syncIfDue(parts_.clock.now());
  }
  file.syncIfDue(parts_.clock.now());
  return true;
}

void UnattendedLogger::recordEvent(const std::string& event, const std::string& text) {
  const WallClock::TimePoint when = parts_.wall.now();
  if (const int error = events_.write(when, recorder_.fileName(), event, text, parts_.clock.now()))
    parts_.status.report("failure",
                         std::string(EventLog::kFileName) + " cannot be written: " + std::strerror(error));
}

void UnattendedLogger::announce(EventKind kind, const std::string& status, const std::string& text,
                                const std::vector<std::string>& tripHistory) {
  parts_.status.report(status, text);
  if (parts_.observer)
    parts_.observer->happened(parts_.wall.now(), kind, text, tripHistory);
}

void UnattendedLogger::logSample(WallClock::TimePoint tickStart, const Reading& reading,
                                 const LoggedValues& logged) {
  parts_.status.sample(recorder_.fileName() + " at " + recorder_.lastTime() + " s: " + valuesText(logged));
  if (parts_.observer)
    parts_.observer->sampleLogged(tickStart, recorder_.lastSeconds(), reading);
}

} // namespace orvane
