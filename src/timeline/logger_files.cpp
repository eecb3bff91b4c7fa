#include "timeline/logger_files.h"

#include <algorithm>
#include <charconv>
#include <ctime>
#include <filesystem>
#include <tuple>

namespace orvane {
namespace {

// "Trend-YYYY-MM-DD_HH-MM-SS" before the UTC offset, the occurrence or the extension.
constexpr std::size_t kStampedStem = 25;
// "+HHMM" after the stamp, in the names of files begun since the offset was recorded.
constexpr std::size_t kOffsetText = 5;

// The N of "…-SS[+HHMM]-N.CSV"; 1 without it.
int occurrence(const std::string& name) {
  const std::size_t from = kStampedStem + (sessionLogUtcOffset(name) ? kOffsetText : 0);
  const std::size_t dot = name.rfind('.');
  if (dot == std::string::npos || dot <= from + 1 || name[from] != '-')
    return 1;
  int value = 1;
  std::from_chars(name.data() + from + 1, name.data() + dot, value);
  return value;
}

std::tm calendarFields(const LogStartTime& start) {
  std::tm fields{};
  fields.tm_year = start.year - 1900;
  fields.tm_mon = start.month - 1;
  fields.tm_mday = start.day;
  fields.tm_hour = start.hour;
  fields.tm_min = start.minute;
  fields.tm_sec = start.second;
  fields.tm_isdst = -1;
  return fields;
}

// A name with its UTC offset is exact, even in the hour the clocks go back; one without is read
// in the local time zone, as it was written.
double startEpochSeconds(const std::string& name, const LogStartTime& start) {
  const std::optional<int> offsetMinutes = sessionLogUtcOffset(name);
  if (!offsetMinutes)
    return localEpochSeconds(start);
  std::tm fields = calendarFields(start);
  return static_cast<double>(timegm(&fields)) - *offsetMinutes * 60.0;
}

} // namespace

double localEpochSeconds(const LogStartTime& local) {
  std::tm fields = calendarFields(local);
  return static_cast<double>(std::mktime(&fields));
}

std::optional<double> loggerFileStartSeconds(const std::string& name) {
  const std::optional<LogStartTime> start = sessionLogStartTime(name);
  if (!start)
    return std::nullopt;
  return startEpochSeconds(name, *start);
}

std::vector<LoggerFile> loggerFiles(const std::string& folder) {
  struct Found {
    LoggerFile file;
    int occurrence;
  };
  std::vector<Found> found;
  std::error_code error;
  for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
       entry.increment(error)) {
    const std::string name = entry->path().filename().string();
    const std::optional<double> start = loggerFileStartSeconds(name);
    std::error_code notFile;
    if (!start || !entry->is_regular_file(notFile))
      continue;
    found.push_back({{entry->path().string(), *start}, occurrence(name)});
  }
  std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
    return std::tie(a.file.start, a.occurrence) < std::tie(b.file.start, b.occurrence);
  });
  std::vector<LoggerFile> files;
  files.reserve(found.size());
  for (Found& each : found)
    files.push_back(std::move(each.file));
  return files;
}

} // namespace orvane
