#pragma once

#include "publish/messages.h"

#include <chrono>
#include <string>

namespace orvane {

// The given moment with the local zone's offset at that moment (daylight saving included).
ClockTime localClockTime(std::chrono::system_clock::time_point moment);

// ISO 8601 with milliseconds and the zone offset: "2026-03-29T02:30:00.250+02:00"; UTC is
// written "+00:00".
std::string isoText(ClockTime time);

} // namespace orvane
