#pragma once

#include <cstdlib>
#include <ctime>

namespace orvane::testing {

// The local time zone, set for as long as this lives (the tests run without TZ).
struct FixedZone {
  explicit FixedZone(const char* zone) {
    setenv("TZ", zone, 1);
    tzset();
  }
  ~FixedZone() {
    unsetenv("TZ");
    tzset();
  }
  FixedZone(const FixedZone&) = delete;
  FixedZone& operator=(const FixedZone&) = delete;
};

} // namespace orvane::testing
