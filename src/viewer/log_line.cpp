#include "viewer/log_line.h"

#include "monitor/session_log.h"

#include <charconv>
#include <cmath>

namespace orvane {
namespace {

constexpr int kFieldCount = 5;

std::string_view trimmed(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && blank(text.back()))
    text.remove_suffix(1);
  return text;
}

// The whole field must be one finite number; from_chars ignores the locale.
bool readNumber(std::string_view field, double& value) {
  field = trimmed(field);
  const char* end = field.data() + field.size();
  const auto [stop, error] = std::from_chars(field.data(), end, value);
  return error == std::errc() && stop == end && std::isfinite(value);
}

} // namespace

std::string_view logField(std::string_view line, int index) {
  for (int i = 0; i < index; ++i) {
    const std::size_t comma = line.find(',');
    if (comma == std::string_view::npos)
      return {};
    line.remove_prefix(comma + 1);
  }
  return trimmed(line.substr(0, line.find(',')));
}

LogLine parseLogLine(std::string_view line) {
  line = trimmed(line);
  if (line.empty())
    return {LineKind::Blank, {}};
  if (line == kSessionLogHeader)
    return {LineKind::Header, {}};
  LogLine parsed{LineKind::Sample, {}};
  double* const targets[kFieldCount] = {&parsed.sample.time, &parsed.sample.frequency, &parsed.sample.current,
                                        &parsed.sample.currentPercent, &parsed.sample.dcLink};
  for (int i = 0; i < kFieldCount; ++i) {
    const std::size_t comma = line.find(',');
    const bool last = i == kFieldCount - 1;
    if ((comma == std::string_view::npos) != last || !readNumber(line.substr(0, comma), *targets[i]))
      return {LineKind::Bad, {}};
    if (!last)
      line.remove_prefix(comma + 1);
  }
  return parsed;
}

} // namespace orvane
