#include "logger/session_file_name.h"

#include <charconv>
#include <cstdio>

namespace orvane {
namespace {

constexpr std::string_view kPrefix = "Trend-";
constexpr std::string_view kExtension = ".CSV";
// "YYYY-MM-DD_HH-MM-SS": the digit fields and the separators between them.
constexpr std::string_view kStampShape = "dddd-dd-dd_dd-dd-dd";

std::optional<int> digitsAt(std::string_view text, std::size_t at, std::size_t count) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data() + at, text.data() + at + count, value);
  if (error != std::errc() || end != text.data() + at + count)
    return std::nullopt;
  return value;
}

} // namespace

std::string sessionFileName(const std::tm& localStart, int occurrence) {
  char stamp[64];
  std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d_%02d-%02d-%02d", localStart.tm_year + 1900,
                localStart.tm_mon + 1, localStart.tm_mday, localStart.tm_hour, localStart.tm_min,
                localStart.tm_sec);
  std::string name = std::string(kPrefix) + stamp;
  if (occurrence > 1)
    name += "-" + std::to_string(occurrence);
  return name + std::string(kExtension);
}

std::optional<std::tm> sessionFileStart(std::string_view name) {
  if (!name.starts_with(kPrefix) || !name.ends_with(kExtension))
    return std::nullopt;
  const std::string_view stamp = name.substr(kPrefix.size(), name.size() - kPrefix.size() - kExtension.size());
  if (stamp.size() < kStampShape.size())
    return std::nullopt;
  for (std::size_t at = 0; at < kStampShape.size(); ++at) {
    const bool digit = stamp[at] >= '0' && stamp[at] <= '9';
    if (kStampShape[at] == 'd' ? !digit : stamp[at] != kStampShape[at])
      return std::nullopt;
  }
  // An occurrence suffix: "-" and a number from 2 up.
  const std::string_view suffix = stamp.substr(kStampShape.size());
  if (!suffix.empty()) {
    const std::optional<int> occurrence = suffix.size() > 1 && suffix.front() == '-' && suffix[1] != '0'
                                              ? digitsAt(suffix, 1, suffix.size() - 1)
                                              : std::nullopt;
    if (!occurrence || *occurrence < 2)
      return std::nullopt;
  }
  std::tm start{};
  start.tm_year = *digitsAt(stamp, 0, 4) - 1900;
  start.tm_mon = *digitsAt(stamp, 5, 2) - 1;
  start.tm_mday = *digitsAt(stamp, 8, 2);
  start.tm_hour = *digitsAt(stamp, 11, 2);
  start.tm_min = *digitsAt(stamp, 14, 2);
  start.tm_sec = *digitsAt(stamp, 17, 2);
  if (start.tm_mon > 11 || start.tm_mday < 1 || start.tm_mday > 31 || start.tm_hour > 23 || start.tm_min > 59 ||
      start.tm_sec > 60)
    return std::nullopt;
  return start;
}

} // namespace orvane
