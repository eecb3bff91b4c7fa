#pragma once

#include <charconv>

namespace orvane {

// Reads a number at `first` exactly as std::from_chars does for a double
// (general format, "." as the decimal point, no locale): the same value, the
// same stop and the same error for every input, only quicker for the short
// decimals a session log holds.
std::from_chars_result readDecimal(const char* first, const char* last, double& value);

} // namespace orvane
