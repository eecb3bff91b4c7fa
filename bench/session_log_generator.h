#pragma once

#include <string>

namespace orvane::bench {

// Writes a session log of `hours` at 0.5 s as the program writes it: a drive
// that runs forward and in reverse (negative frequency, as on the signed
// graph), decelerates with the DC link rising, stands still, and once a day
// at 13:20:00 trips on an overcurrent peak. Returns the number of samples.
long writeSessionLog(const std::string& path, double hours);

} // namespace orvane::bench
