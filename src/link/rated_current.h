#pragma once

#include <optional>

namespace orvane {

// The rated output current in A of a drive of the six-trip models, by its
// range byte (0 or 1), voltage class byte (0 or 1) and size code (1 to 19).
// Nothing for a combination the drives do not come in.
std::optional<float> ratedCurrent(int range, int voltageClass, int sizeCode);

} // namespace orvane
