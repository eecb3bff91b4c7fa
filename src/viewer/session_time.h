#pragma once

#include <string>

namespace orvane {

// Seconds from a session's start as h:mm:ss, with tenths when the time has
// them ("0:00:00", "25:03:07.5").
std::string sessionTimeText(double seconds);

} // namespace orvane
