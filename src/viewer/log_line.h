#pragma once

#include <string_view>

namespace orvane {

// One sample of a session log: time in seconds from the session's start,
// frequency (Hz, negative in reverse on the signed graph), current in A and
// in % of the drive's rating, DC link voltage (V).
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

// Reads one line (without its line end). A sample line holds five numbers
// with "." as the decimal point, separated by commas; blanks around a field
// are allowed. The header is the line the log begins each session with.
LogLine parseLogLine(std::string_view line);

// The field at `index` (0 to 4) of a line, without the blanks around it.
std::string_view logField(std::string_view line, int index);

} // namespace orvane
