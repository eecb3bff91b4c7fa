#pragma once

#include <string>
#include <string_view>

namespace orvane {

// The session log's format, shared by everything that writes or reads a log:
// a header line, then one line a sample of five comma-separated fields, each
// line ended by CR LF, numbers in the plain conversion with "." as the decimal
// point whatever the locale.
inline constexpr const char* kSessionLogHeader = "Time (s),Frequency (Hz),Current (A),Current (%),DC Link (V)";
inline constexpr std::string_view kLogLineEnd = "\r\n";

// One sample line without its line end: the time as the caller formed it, then
// frequency (Hz), current (A), current (% of the rating) and DC link (V).
std::string formatSessionLogLine(std::string_view time, float frequency, float current, float currentPercent,
                                 float dcLink);

} // namespace orvane
