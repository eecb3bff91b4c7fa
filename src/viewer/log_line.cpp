#include "viewer/log_line.h"

#include "monitor/session_log.h"
#include "viewer/decimal_text.h"

#include <cmath>

namespace orvane {
namespace {

constexpr int kFieldCount = 5;

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && isBlank(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back()))
    text.remove_suffix(1);
  return text;
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

// One pass over the line: each field is read where it starts (readDecimal
// ignores the locale) and must be followed only by blanks and its comma.
LogLine parseLogLine(std::string_view line) {
  line = trimmed(line);
  if (line.empty())
    return {LineKind::Blank, {}};
  if (line == kSessionLogHeader)
    return {LineKind::Header, {}};
  LogLine parsed{LineKind::Sample, {}};
  double* const targets[kFieldCount] = {&parsed.sample.time, &parsed.sample.frequency, &parsed.sample.current,
                                        &parsed.sample.currentPercent, &parsed.sample.dcLink};
  const char* at = line.data();
  const char* const end = at + line.size();
  for (int i = 0; i < kFieldCount; ++i) {
    while (at != end && isBlank(*at))
      ++at;
    const auto [stop, error] = readDecimal(at, end, *targets[i]);
    if (error != std::errc() || !std::isfinite(*targets[i]))
      return {LineKind::Bad, {}};
    at = stop;
    while (at != end && isBlank(*at))
      ++at;
    if (i == kFieldCount - 1)
      return at == end ? parsed : LogLine{LineKind::Bad, {}};
    if (at == end || *at != ',')
      return {LineKind::Bad, {}};
    ++at;
  }
  return parsed;
}

} // namespace orvane
