#include "session_log/session_log_name.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>

namespace orvane {
namespace {

constexpr std::string_view kPrefix = "Trend-";
// "YYYY-MM-DD_HH-MM-SS": a digit wherever the pattern has one, else its separator.
constexpr std::string_view kStampPattern = "0000-00-00_00-00-00";
constexpr std::string_view kExtension = ".CSV";

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month) {
  constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool sameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size())
    return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (upper(a[i]) != upper(b[i]))
      return false;
  return true;
}

int number(std::string_view digits) {
  int value = 0;
  for (const char digit : digits)
    value = value * 10 + (digit - '0');
  return value;
}

// "-N" with N from 2 up, written as the namer writes it (no leading zero).
bool isOccurrenceSuffix(std::string_view suffix) {
  if (suffix.size() < 2 || suffix.front() != '-' || suffix[1] == '0')
    return false;
  int occurrence = 0;
  const char* const end = suffix.data() + suffix.size();
  const auto [stop, error] = std::from_chars(suffix.data() + 1, end, occurrence);
  return error == std::errc() && stop == end && occurrence >= 2;
}

// "+HHMM" or "-HHMM" at the start of `suffix`, as minutes east of UTC: at most 14 hours, as
// the world's zones are.
constexpr std::string_view kOffsetPattern = "+0000";
std::optional<int> utcOffsetAtStart(std::string_view suffix) {
  if (suffix.size() < kOffsetPattern.size() || (suffix[0] != '+' && suffix[0] != '-'))
    return std::nullopt;
  for (const char c : suffix.substr(1, 4))
    if (c < '0' || c > '9')
      return std::nullopt;
  if (suffix.size() > kOffsetPattern.size() && suffix[kOffsetPattern.size()] != '-')
    return std::nullopt;
  const int hours = number(suffix.substr(1, 2));
  const int minutes = number(suffix.substr(3, 2));
  if (hours > 14 || minutes > 59)
    return std::nullopt;
  return (suffix[0] == '-' ? -1 : 1) * (hours * 60 + minutes);
}

} // namespace

std::string sessionLogFileName(const LogStartTime& start, int occurrence, std::optional<int> utcOffsetMinutes) {
  char stamp[40];
  std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d_%02d-%02d-%02d", start.year, start.month, start.day,
                start.hour, start.minute, start.second);
  std::string name = std::string(kPrefix) + stamp;
  if (utcOffsetMinutes) {
    const int offset = *utcOffsetMinutes;
    std::snprintf(stamp, sizeof stamp, "%c%02d%02d", offset < 0 ? '-' : '+', std::abs(offset) / 60,
                  std::abs(offset) % 60);
    name += stamp;
  }
  if (occurrence > 1)
    name += "-" + std::to_string(occurrence);
  return name + std::string(kExtension);
}

std::optional<LogStartTime> sessionLogStartTime(std::string_view fileName) {
  if (fileName.size() < kPrefix.size() + kStampPattern.size() + kExtension.size() ||
      !fileName.starts_with(kPrefix) ||
      !sameIgnoringCase(fileName.substr(fileName.size() - kExtension.size()), kExtension))
    return std::nullopt;
  const std::string_view stamp = fileName.substr(kPrefix.size(), kStampPattern.size());
  const std::size_t suffixStart = kPrefix.size() + kStampPattern.size();
  std::string_view suffix = fileName.substr(suffixStart, fileName.size() - kExtension.size() - suffixStart);
  if (utcOffsetAtStart(suffix))
    suffix.remove_prefix(kOffsetPattern.size());
  if (!suffix.empty() && !isOccurrenceSuffix(suffix))
    return std::nullopt;
  for (std::size_t i = 0; i < stamp.size(); ++i) {
    const bool digit = stamp[i] >= '0' && stamp[i] <= '9';
    if (kStampPattern[i] == '0' ? !digit : stamp[i] != kStampPattern[i])
      return std::nullopt;
  }
  const LogStartTime start{number(stamp.substr(0, 4)),  number(stamp.substr(5, 2)),  number(stamp.substr(8, 2)),
                           number(stamp.substr(11, 2)), number(stamp.substr(14, 2)), number(stamp.substr(17, 2))};
  if (start.month < 1 || start.month > 12 || start.day < 1 || start.day > daysInMonth(start.year, start.month) ||
      start.hour > 23 || start.minute > 59 || start.second > 59)
    return std::nullopt;
  return start;
}

std::optional<int> sessionLogUtcOffset(std::string_view fileName) {
  if (!sessionLogStartTime(fileName))
    return std::nullopt;
  const std::size_t suffixStart = kPrefix.size() + kStampPattern.size();
  return utcOffsetAtStart(fileName.substr(suffixStart, fileName.size() - kExtension.size() - suffixStart));
}

} // namespace orvane
