#pragma once

#include <cstddef>

namespace orvane {

// A value of a series and the time and index of its sample.
struct Extreme {
  double value = 0;
  double time = 0;
  std::size_t index = 0;
};

struct RangeStatistics {
  Extreme minimum;
  Extreme maximum;
  double mean = 0;
  std::size_t count = 0;
};

} // namespace orvane
