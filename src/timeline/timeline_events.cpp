#include "timeline/timeline_events.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <ctime>
#include <fstream>
#include <utility>

namespace orvane {
namespace {

constexpr std::size_t kLargestEventsFile = 64u << 20;
constexpr std::string_view kTripHistory = "trip history";

std::string lowered(std::string_view text) {
  std::string result(text);
  for (char& c : result)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return result;
}

// The fields of one line: a quoted field may hold commas and doubled quotes.
std::vector<std::string> csvFields(std::string_view line) {
  std::vector<std::string> fields(1);
  bool quoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
      fields.back() += '"';
      ++i;
    } else if (c == '"') {
      quoted = !quoted;
    } else if (c == ',' && !quoted) {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

std::optional<int> digits(std::string_view text, std::size_t at, std::size_t count) {
  if (at + count > text.size())
    return std::nullopt;
  int value = 0;
  const auto [end, error] = std::from_chars(text.data() + at, text.data() + at + count, value);
  return error == std::errc() && end == text.data() + at + count ? std::optional(value) : std::nullopt;
}

// "YYYY-MM-DD HH:MM:SS" (or with a T) as calendar fields.
std::optional<std::tm> clockFields(std::string_view text) {
  if (text.size() < 19 || text[4] != '-' || text[7] != '-' || (text[10] != ' ' && text[10] != 'T') ||
      text[13] != ':' || text[16] != ':')
    return std::nullopt;
  const std::array parts{digits(text, 0, 4),  digits(text, 5, 2),  digits(text, 8, 2),
                         digits(text, 11, 2), digits(text, 14, 2), digits(text, 17, 2)};
  if (std::any_of(parts.begin(), parts.end(), [](const auto& part) { return !part; }))
    return std::nullopt;
  std::tm fields{};
  fields.tm_year = *parts[0] - 1900;
  fields.tm_mon = *parts[1] - 1;
  fields.tm_mday = *parts[2];
  fields.tm_hour = *parts[3];
  fields.tm_min = *parts[4];
  fields.tm_sec = *parts[5];
  fields.tm_isdst = -1;
  return fields;
}

// Seconds east of UTC from "+01:00", "+0100", "+01", "-05:30" or "Z".
std::optional<int> utcOffset(std::string_view text) {
  if (text == "Z" || text == "z")
    return 0;
  if (text.size() < 3 || (text[0] != '+' && text[0] != '-'))
    return std::nullopt;
  const std::optional<int> hours = digits(text, 1, 2);
  const std::size_t minutesAt = text.size() > 3 && text[3] == ':' ? 4 : 3;
  const std::optional<int> minutes = text.size() > 3 ? digits(text, minutesAt, 2) : std::optional(0);
  if (!hours || !minutes)
    return std::nullopt;
  return (text[0] == '-' ? -1 : 1) * (*hours * 3600 + *minutes * 60);
}

// The logger writes its clock times with their offset ("2026-12-06 23:45:10 +0100"); an offset
// column of another writer counts the same.
std::optional<double> eventTime(std::string_view clock, std::optional<std::string_view> offset) {
  if (clock.size() > 20 && clock[19] == ' ') {
    offset = offset.value_or(clock.substr(20));
    clock = clock.substr(0, 19);
  }
  std::optional<std::tm> fields = clockFields(clock);
  if (!fields)
    return std::nullopt;
  if (const std::optional<int> east = offset ? utcOffset(*offset) : std::nullopt)
    return static_cast<double>(timegm(&*fields) - *east);
  return static_cast<double>(std::mktime(&*fields));
}

struct Columns {
  std::size_t time = 0;
  std::size_t file = 1;
  std::size_t kind = 2;
  std::size_t text = 3;
  std::optional<std::size_t> offset;
};

// The columns a header names; none when the line is no header.
std::optional<Columns> headerColumns(const std::vector<std::string>& fields) {
  Columns columns;
  bool hasEvent = false;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const std::string name = lowered(fields[i]);
    if (name.find("utc") != std::string::npos || name.find("offset") != std::string::npos)
      columns.offset = i;
    else if (name == "clock time" || name == "time")
      columns.time = i;
    else if (name == "session file")
      columns.file = i;
    else if (name == "event")
      columns.kind = i, hasEvent = true;
    else if (name == "text")
      columns.text = i;
  }
  return hasEvent ? std::optional(columns) : std::nullopt;
}

} // namespace

std::vector<TimelineEvent> parseEvents(std::string_view csv) {
  std::vector<TimelineEvent> events;
  Columns columns;
  bool firstLine = true;
  std::optional<std::size_t> lastTrip;
  while (!csv.empty()) {
    const std::size_t end = std::min(csv.find_first_of("\r\n"), csv.size());
    const std::string_view line = csv.substr(0, end);
    csv.remove_prefix(std::min(end + 1, csv.size()));
    if (line.empty())
      continue;
    const std::vector<std::string> fields = csvFields(line);
    if (std::exchange(firstLine, false))
      if (const std::optional<Columns> named = headerColumns(fields)) {
        columns = *named;
        continue;
      }
    const auto field = [&](std::size_t index) { return index < fields.size() ? fields[index] : std::string(); };
    const std::optional<std::string> offset =
        columns.offset ? std::optional(field(*columns.offset)) : std::nullopt;
    const std::optional<double> time = eventTime(field(columns.time), offset);
    if (!time)
      continue;
    TimelineEvent event{*time, field(columns.kind), field(columns.text), field(columns.file), {}};
    if (event.kind == kTripHistory && lastTrip) {
      events[*lastTrip].details.push_back(std::move(event.text));
      continue;
    }
    if (event.kind == "trip")
      lastTrip = events.size();
    events.push_back(std::move(event));
  }
  std::stable_sort(events.begin(), events.end(),
                   [](const TimelineEvent& a, const TimelineEvent& b) { return a.time < b.time; });
  return events;
}

std::vector<TimelineEvent> readEvents(const std::string& folder) {
  std::ifstream file(folder + "/" + kEventsFileName, std::ios::binary | std::ios::ate);
  const std::streamoff size = file ? static_cast<std::streamoff>(file.tellg()) : 0;
  file.seekg(0);
  std::string bytes(std::min(static_cast<std::size_t>(std::max<std::streamoff>(size, 0)), kLargestEventsFile),
                    '\0');
  file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<std::size_t>(file.gcount()));
  return parseEvents(bytes);
}

std::optional<std::size_t> nextEvent(const std::vector<TimelineEvent>& events, double time) {
  const auto found = std::upper_bound(events.begin(), events.end(), time,
                                      [](double t, const TimelineEvent& event) { return t < event.time; });
  return found == events.end() ? std::nullopt : std::optional(static_cast<std::size_t>(found - events.begin()));
}

std::optional<std::size_t> previousEvent(const std::vector<TimelineEvent>& events, double time) {
  const auto found = std::lower_bound(events.begin(), events.end(), time,
                                      [](const TimelineEvent& event, double t) { return event.time < t; });
  return found == events.begin() ? std::nullopt
                                 : std::optional(static_cast<std::size_t>(found - events.begin() - 1));
}

} // namespace orvane
