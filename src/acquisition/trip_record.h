#pragma once

#include <cstdint>

namespace orvane {

// A trip record field. The drive's bytes can carry more than 16 bits (a
// three-trip running time above 32767 hours, a six-trip frequency of 4 bytes,
// a six-trip counter up to 65535), so fields and the counter are held in 32
// bits: every value the bytes can carry is shown as the drive holds it.
using TripValue = std::int32_t;

// One trip as the drive stored it, scaled: frequency in Hz, current in % of
// the rated current, DC link in V, running time in hours.
struct TripRecord {
  TripValue Code = 0;
  TripValue Hz = 0;
  TripValue Amp = 0;
  TripValue Volts = 0;
  TripValue Time = 0;
};

} // namespace orvane
