#pragma once

#include "limits/limit.h"

#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// The limits of a file, or what is wrong with it: the file and the line, and why. A file with a
// fault gives no limits at all, so that half a file never counts as the whole.
struct LoadedLimits {
  std::vector<Limit> limits;
  std::string error;
};

// One limit a line, `NAME = QUANTITY (>|<) VALUE [for SECONDS] [hysteresis VALUE]`; `#` starts a
// comment; blank lines count for nothing. `source` names the text in the error ("limits.conf").
LoadedLimits parseLimits(std::string_view text, const std::string& source);

// Reads the file; a missing file is no limits and no error when `mayBeMissing`.
LoadedLimits loadLimitsFile(const std::string& path, bool mayBeMissing);

// limits.conf beside ta.ini, for the window.
std::string windowLimitsPath();

} // namespace orvane
