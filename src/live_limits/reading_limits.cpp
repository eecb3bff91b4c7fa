#include "live_limits/reading_limits.h"

namespace orvane {

LimitReading limitReading(const Reading& reading) {
  LimitReading watched;
  if (reading.frequency)
    watched.frequencyHz = *reading.frequency;
  watched.currentA = reading.current;
  watched.currentPercent = reading.currentPercent;
  watched.dcLinkV = reading.dcLink;
  return watched;
}

} // namespace orvane
