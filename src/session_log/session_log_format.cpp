#include "session_log/session_log_format.h"

#include "platform/number_text.h"
#include "session_log/decimal_text.h"

#include <cmath>

namespace orvane {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

bool allFinite(const Sample& sample) {
  return std::isfinite(sample.time) && std::isfinite(sample.frequency) && std::isfinite(sample.current) &&
         std::isfinite(sample.currentPercent) && std::isfinite(sample.dcLink);
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && isBlank(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back()))
    text.remove_suffix(1);
  return text;
}

} // namespace

std::string logTimeText(double seconds) { return plainText(seconds); }
std::string logValueText(float value) { return plainText(value); }

std::string formatSessionLogLine(std::string_view time, float frequency, float current, float currentPercent,
                                 float dcLink) {
  std::string line(time);
  for (const float value : {frequency, current, currentPercent, dcLink}) {
    line += kLogFieldSeparator;
    line += logValueText(value);
  }
  return line;
}

// One pass over the line: each field is read where it starts (readDecimal
// ignores the locale) and must be followed only by blanks and its separator.
// The values are checked once the line is read: a check after each field
// would wait for each field's division in turn.
LogLine parseSessionLogLine(std::string_view line) {
  line = trimmed(line);
  if (line.empty())
    return {LineKind::Blank, {}};
  if (line == kSessionLogHeader)
    return {LineKind::Header, {}};
  LogLine parsed{LineKind::Sample, {}};
  double* const targets[kLogFieldCount] = {&parsed.sample.time, &parsed.sample.frequency, &parsed.sample.current,
                                           &parsed.sample.currentPercent, &parsed.sample.dcLink};
  const char* at = line.data();
  const char* const end = at + line.size();
  for (int i = 0; i < kLogFieldCount; ++i) {
    while (at != end && isBlank(*at))
      ++at;
    const auto [stop, error] = readDecimal(at, end, *targets[i]);
    if (error != std::errc())
      return {LineKind::Bad, {}};
    at = stop;
    while (at != end && isBlank(*at))
      ++at;
    if (i == kLogFieldCount - 1)
      return at == end && allFinite(parsed.sample) ? parsed : LogLine{LineKind::Bad, {}};
    if (at == end || *at != kLogFieldSeparator)
      return {LineKind::Bad, {}};
    ++at;
  }
  return parsed;
}

} // namespace orvane
