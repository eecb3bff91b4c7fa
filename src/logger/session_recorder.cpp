#include "logger/session_recorder.h"

#include "platform/number_text.h"
#include "session_log/session_log_format.h"
#include "session_log/session_log_name.h"

#include <cerrno>
#include <unistd.h>

namespace orvane {
namespace {

// Two sessions in one second, or an hour the clocks went back through: enough room either way.
constexpr int kMostOccurrences = 999;

int dayOf(const std::tm& local) { return (local.tm_year + 1900) * 1000 + local.tm_yday; }

LogStartTime startOf(const std::tm& local) {
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

} // namespace

int SessionRecorder::createFile(WallClock::TimePoint start, Clock::Duration now) {
  if (const int error = file_.close())
    return error;
  const std::tm local = localTime(start);
  int error = EEXIST;
  for (int occurrence = 1; occurrence <= kMostOccurrences && error == EEXIST; ++occurrence) {
    fileName_ = sessionLogFileName(startOf(local), occurrence, static_cast<int>(local.tm_gmtoff / 60));
    error = file_.createNew(folder_, fileName_);
  }
  if (error)
    return error;
  fileDay_ = dayOf(local);
  samplesInFile_ = 0;
  error = file_.appendLine(kSessionLogHeader, now);
  if (error)
    abandon();
  return error;
}

int SessionRecorder::resume(std::int64_t slot, Clock::Duration now) {
  firstSlot_ = slot;
  return createFile(wall_.now(), now);
}

int SessionRecorder::end() {
  const bool remove = file_.isOpen() && samplesInFile_ == 0 && inPlace();
  const int error = file_.close();
  if (remove)
    static_cast<void>(::unlinkat(folder_.fd(), fileName_.c_str(), 0));
  return error;
}

int SessionRecorder::begin(int rateTenths, Clock::Duration now) {
  rateTenths_ = rateTenths;
  firstSlot_ = 0;
  return createFile(wall_.now(), now);
}

int SessionRecorder::record(std::int64_t slot, WallClock::TimePoint tickStart, const LoggedValues& values,
                            Clock::Duration now) {
  if (!file_.isOpen())
    return EBADF;
  if (dayOf(localTime(tickStart)) != fileDay_) {
    if (const int error = createFile(tickStart, now))
      return error;
    firstSlot_ = slot;
  }
  lastSeconds_ = secondsAt(slot);
  lastTime_ = plainText(lastSeconds_);
  const int error = file_.appendLine(
      formatSessionLogLine(lastTime_, values.frequency, values.current, values.currentPercent, values.dcLink),
      now);
  if (!error)
    ++samplesInFile_;
  return error;
}

} // namespace orvane
