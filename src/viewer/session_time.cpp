#include "viewer/session_time.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace orvane {

std::string sessionTimeText(double seconds) {
  const auto tenths = static_cast<long long>(std::llround(std::clamp(seconds, 0.0, 1e12) * 10));
  const long long whole = tenths / 10;
  char text[40];
  if (tenths % 10 == 0)
    std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", whole / 3600, whole / 60 % 60, whole % 60);
  else
    std::snprintf(text, sizeof text, "%lld:%02lld:%02lld.%lld", whole / 3600, whole / 60 % 60, whole % 60,
                  tenths % 10);
  return text;
}

} // namespace orvane
