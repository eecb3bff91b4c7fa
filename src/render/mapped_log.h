#pragma once

#include "viewer/session_log_model.h"

#include <cstddef>
#include <optional>
#include <string>

namespace orvane {

// Reads one session of a session log through a read-only mapping of the whole
// file, populated at once: no copy of the file and no page faults one page at a
// time. Fills `series` with session `wanted` (from 1; the last when none), as
// the viewer's model would show it. Returns how many sessions the file holds,
// or none when it cannot be mapped (missing, empty, beyond what the viewer reads).
std::optional<std::size_t> readMappedSession(const std::string& path, std::optional<std::size_t> wanted,
                                             SampleSeries& series);

} // namespace orvane
