#include "render/render_request.h"

#include "session_log/session_log_name.h"

#include <charconv>
#include <cmath>
#include <ctime>

namespace orvane {
namespace {

template <typename Number> std::optional<Number> number(std::string_view text) {
  Number value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty())
    return std::nullopt;
  return value;
}

// A whole number of exactly `digits` digits from `text` at `at`, in [low, high].
std::optional<int> field(std::string_view text, std::size_t at, std::size_t digits, int low, int high) {
  if (at + digits > text.size())
    return std::nullopt;
  const std::string_view part = text.substr(at, digits);
  if (part.find_first_not_of("0123456789") != std::string_view::npos)
    return std::nullopt;
  const std::optional<int> value = number<int>(part);
  return value && *value >= low && *value <= high ? value : std::nullopt;
}

// YYYY-MM-DD, the separator at 10 (T or a blank), HH:MM, then :SS if any.
std::optional<ClockTime> clockTime(std::string_view text) {
  if (text.size() != 16 && text.size() != 19)
    return std::nullopt;
  if (text[4] != '-' || text[7] != '-' || (text[10] != 'T' && text[10] != ' ') || text[13] != ':' ||
      (text.size() == 19 && text[16] != ':'))
    return std::nullopt;
  const auto year = field(text, 0, 4, 1970, 9999);
  const auto month = field(text, 5, 2, 1, 12);
  const auto day = field(text, 8, 2, 1, 31);
  const auto hour = field(text, 11, 2, 0, 23);
  const auto minute = field(text, 14, 2, 0, 59);
  const auto second = text.size() == 19 ? field(text, 17, 2, 0, 59) : std::optional<int>(0);
  if (!year || !month || !day || !hour || !minute || !second)
    return std::nullopt;
  return ClockTime{*year, *month, *day, *hour, *minute, static_cast<double>(*second)};
}

// Seconds ("90", "12.5") or h:mm:ss with optional decimals ("1:02:03.5").
std::optional<double> sessionSeconds(std::string_view text) {
  const std::size_t firstColon = text.find(':');
  if (firstColon == std::string_view::npos) {
    const std::optional<double> seconds = number<double>(text);
    return seconds && std::isfinite(*seconds) && *seconds >= 0 ? seconds : std::nullopt;
  }
  const std::size_t secondColon = text.find(':', firstColon + 1);
  if (secondColon != firstColon + 3 || text.size() < secondColon + 3)
    return std::nullopt;
  const std::optional<int> hours =
      text.substr(0, firstColon).find_first_not_of("0123456789") == std::string_view::npos
          ? number<int>(text.substr(0, firstColon))
          : std::nullopt;
  const std::optional<int> minutes = field(text, firstColon + 1, 2, 0, 59);
  const std::string_view secondsText = text.substr(secondColon + 1);
  if (!hours || !minutes || secondsText.size() < 2 ||
      secondsText.substr(0, 2).find_first_not_of("0123456789") != std::string_view::npos)
    return std::nullopt;
  const double seconds = number<double>(secondsText).value_or(60);
  if (seconds >= 60)
    return std::nullopt;
  return *hours * 3600.0 + *minutes * 60.0 + seconds;
}

std::optional<TimeLimit> timeLimit(std::string_view text) {
  if (const auto clock = clockTime(text))
    return *clock;
  if (const auto seconds = sessionSeconds(text))
    return *seconds;
  return std::nullopt;
}

// WxH, each from 16 to 16384 pixels.
bool readSize(std::string_view text, RenderRequest& request) {
  const std::size_t x = text.find('x');
  if (x == std::string_view::npos)
    return false;
  const auto width = number<int>(text.substr(0, x));
  const auto height = number<int>(text.substr(x + 1));
  constexpr int kSmallest = 16;
  constexpr int kLargest = 16384;
  if (!width || !height || *width < kSmallest || *height < kSmallest || *width > kLargest || *height > kLargest)
    return false;
  request.width = *width;
  request.height = *height;
  return true;
}

ParsedRender refused(std::string reason) { return {std::nullopt, std::move(reason)}; }

} // namespace

ParsedRender parseRenderArguments(const std::vector<std::string_view>& arguments) {
  if (arguments.size() < 2 || arguments[0] != "--render")
    return refused("--render needs the session log to draw");
  RenderRequest request;
  request.log = arguments[1];
  bool output = false;
  for (std::size_t i = 2; i < arguments.size(); i += 2) {
    const std::string_view option = arguments[i];
    if (option == "--no-events") {
      request.events = false;
      --i;
      continue;
    }
    if (i + 1 >= arguments.size())
      return refused(std::string(option) + " needs a value");
    const std::string_view value = arguments[i + 1];
    if (option == "--png" || option == "--pdf") {
      if (output)
        return refused("only one of --png and --pdf, once");
      output = true;
      request.picture = value;
      request.format = option == "--png" ? RenderRequest::Format::Png : RenderRequest::Format::Pdf;
    } else if (option == "--size") {
      if (!readSize(value, request))
        return refused("--size takes WxH in pixels, each from 16 to 16384: " + std::string(value));
    } else if (option == "--session") {
      const auto session = number<std::size_t>(value);
      if (!session || *session == 0)
        return refused("--session takes a number from 1: " + std::string(value));
      request.session = *session;
    } else if (option == "--from" || option == "--to") {
      const auto limit = timeLimit(value);
      if (!limit)
        return refused(std::string(option) +
                       " takes seconds, h:mm:ss or YYYY-MM-DDTHH:MM[:SS]: " + std::string(value));
      (option == "--from" ? request.from : request.to) = *limit;
    } else if (option == "--limits") {
      if (value.empty())
        return refused("--limits needs a file");
      request.limitsFile = value;
    } else {
      return refused("unknown option " + std::string(option));
    }
  }
  if (!output)
    return refused("--png OUT or --pdf OUT says where the picture goes");
  if (request.picture.empty() || request.log.empty())
    return refused("the file names may not be empty");
  return {std::move(request), {}};
}

std::optional<ClockTime> loggerFileStart(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  const std::optional<LogStartTime> start =
      sessionLogStartTime(slash == std::string_view::npos ? path : path.substr(slash + 1));
  if (!start)
    return std::nullopt;
  return ClockTime{start->year, start->month,  start->day,
                   start->hour, start->minute, static_cast<double>(start->second)};
}

double epochSeconds(const ClockTime& time) {
  std::tm local{};
  local.tm_year = time.year - 1900;
  local.tm_mon = time.month - 1;
  local.tm_mday = time.day;
  local.tm_hour = time.hour;
  local.tm_min = time.minute;
  local.tm_sec = 0;
  local.tm_isdst = -1;
  return static_cast<double>(std::mktime(&local)) + time.second;
}

SessionRange sessionRange(const RenderRequest& request, const std::optional<ClockTime>& fileStart,
                          bool firstSession) {
  SessionRange range;
  const auto seconds = [&](const std::optional<TimeLimit>& limit) -> std::optional<double> {
    if (!limit)
      return std::nullopt;
    if (const double* fromStart = std::get_if<double>(&*limit))
      return *fromStart;
    if (!fileStart)
      range.error = "clock times need a logger's file, named Trend-YYYY-MM-DD_HH-MM-SS.CSV by its start";
    else if (!firstSession)
      range.error = "clock times count from the file's start, which is the start of its first session only";
    else
      return epochSeconds(std::get<ClockTime>(*limit)) - epochSeconds(*fileStart);
    return std::nullopt;
  };
  range.from = seconds(request.from);
  range.to = seconds(request.to);
  if (range.error.empty() && range.from && range.to && *range.to <= *range.from)
    range.error = "--to must come after --from";
  return range;
}

} // namespace orvane
