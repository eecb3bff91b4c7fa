#pragma once

#include "acquisition/reading.h"
#include "limits/limit.h"

namespace orvane {

// What a tick read, as the limits watch it: the unsigned frequency, the current in A and %, the
// DC link; nothing for what the tick did not read.
LimitReading limitReading(const Reading& reading);

} // namespace orvane
