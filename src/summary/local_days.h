#pragma once

#include <string>

namespace orvane {

// The local day a moment falls in, and where that day begins and ends in seconds since the epoch
// (a day the clocks change on is 23 or 25 hours long).
struct LocalDay {
  int year = 1970;
  int month = 1;
  int day = 1;
  double begins = 0;
  double ends = 0;

  bool holds(double time) const { return time >= begins && time < ends; }
  // "YYYY-MM-DD".
  std::string text() const;
};

// The day of `time` in the time zone in force.
LocalDay localDayOf(double time);

// "YYYY-MM-DDTHH:MM:SS", the local clock time of a moment, its fraction of a second dropped.
std::string localClockText(double time);

} // namespace orvane
