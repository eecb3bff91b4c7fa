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
inline constexpr char kLogFieldSeparator = ',';
inline constexpr int kLogFieldCount = 5;

// One sample line without its line end: the time as the caller formed it, then
// frequency (Hz), current (A), current (% of the rating) and DC link (V).
std::string formatSessionLogLine(std::string_view time, float frequency, float current, float currentPercent,
                                 float dcLink);

// The numbers of one sample line, single precision as the log prints them to
// full width.
struct LoggedValues {
  float frequency = 0;      // Hz, negative in reverse on the signed graph
  float current = 0;        // A
  float currentPercent = 0; // % of the rated current
  float dcLink = 0;         // V
};

// One sample of a session log, in the column order of its lines: time in
// seconds from the session's start, frequency (Hz, negative in reverse on the
// signed graph), current in A and in % of the drive's rating, DC link (V).
struct Sample {
  double time = 0;
  double frequency = 0;
  double current = 0;
  double currentPercent = 0;
  double dcLink = 0;
};

enum class LineKind { Sample, Header, Blank, Bad };

struct LogLine {
  LineKind kind = LineKind::Bad;
  Sample sample;
};

// Reads one line (without its line end), whatever the locale. A sample line
// holds five finite numbers with "." as the decimal point, separated by
// commas; blanks around a field are allowed. The header is the line the log
// begins each session with.
LogLine parseSessionLogLine(std::string_view line);

// The text a logged value is written with: the time (a double, up to 15
// significant digits) and the four measured values (32-bit floats, up to 7).
// Reading a line the program wrote and writing its values again gives the
// same text.
std::string logTimeText(double seconds);
std::string logValueText(float value);

} // namespace orvane
