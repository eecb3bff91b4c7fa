#pragma once

#include "acquisition/reading.h"
#include "publish/messages.h"

namespace orvane {

// A tick's reading as published: what was read, nothing for what was not. The frequency is the
// unsigned one; the direction and the run state come from the run state read with the
// indicators or, without it, from the one read with the frequency.
PublishedSample publishedSample(const Reading& reading, ClockTime clockTime, double sessionSeconds);

} // namespace orvane
