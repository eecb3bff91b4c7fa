#include "summary/summary_request.h"

#include "timeline/logger_files.h"

#include <charconv>

namespace orvane {
namespace {

// A whole number of exactly `digits` digits at `at`, in [low, high].
std::optional<int> field(std::string_view text, std::size_t at, std::size_t digits, int low, int high) {
  int value = 0;
  const char* begin = text.data() + at;
  const auto [end, error] = std::from_chars(begin, begin + digits, value);
  if (error != std::errc() || end != begin + digits || *begin == '-' || *begin == '+' || value < low ||
      value > high)
    return std::nullopt;
  return value;
}

ParsedSummary refused(std::string reason) { return {std::nullopt, std::move(reason)}; }

} // namespace

std::optional<double> localClockSeconds(std::string_view text) {
  if (text.size() != 10 && text.size() != 16 && text.size() != 19)
    return std::nullopt;
  if (text[4] != '-' || text[7] != '-' ||
      (text.size() > 10 && ((text[10] != 'T' && text[10] != ' ') || text[13] != ':')) ||
      (text.size() == 19 && text[16] != ':'))
    return std::nullopt;
  const auto year = field(text, 0, 4, 1970, 9999);
  const auto month = field(text, 5, 2, 1, 12);
  const auto day = field(text, 8, 2, 1, 31);
  const auto hour = text.size() > 10 ? field(text, 11, 2, 0, 23) : 0;
  const auto minute = text.size() > 10 ? field(text, 14, 2, 0, 59) : 0;
  const auto second = text.size() == 19 ? field(text, 17, 2, 0, 59) : 0;
  if (!year || !month || !day || !hour || !minute || !second)
    return std::nullopt;
  // A date that does not exist (31 April) comes back from the calendar as another one.
  const LogStartTime local{*year, *month, *day, *hour, *minute, *second};
  const auto daysInMonth = [&] {
    constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (*year % 4 == 0 && *year % 100 != 0) || *year % 400 == 0;
    return *month == 2 && !leap ? 28 : kDays[*month - 1];
  };
  if (*day > daysInMonth())
    return std::nullopt;
  return localEpochSeconds(local);
}

ParsedSummary parseSummaryArguments(std::span<const std::string_view> arguments) {
  if (arguments.size() < 2 || arguments[0] != "--summary" || arguments[1].empty() ||
      arguments[1].starts_with("--"))
    return refused("--summary needs a session log or a folder of them");
  SummaryRequest request;
  request.path = arguments[1];
  for (std::size_t at = 2; at < arguments.size(); ++at) {
    const std::string_view option = arguments[at];
    if (option == "--json") {
      request.json = true;
      continue;
    }
    if (option != "--from" && option != "--to" && option != "--limits")
      return refused("unknown option " + std::string(option));
    if (at + 1 == arguments.size())
      return refused(std::string(option) + " needs a value");
    const std::string_view value = arguments[++at];
    if (option == "--limits") {
      if (value.empty())
        return refused("--limits needs a file");
      request.limitsFile = value;
      continue;
    }
    const std::optional<double> time = localClockSeconds(value);
    if (!time)
      return refused(std::string(option) +
                     " takes a local clock time YYYY-MM-DD[THH:MM[:SS]]: " + std::string(value));
    (option == "--from" ? request.from : request.to) = time;
  }
  if (request.from && request.to && *request.to <= *request.from)
    return refused("--to must come after --from");
  return {std::move(request), {}};
}

} // namespace orvane
