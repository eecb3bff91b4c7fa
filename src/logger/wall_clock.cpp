#include "logger/wall_clock.h"

#include <cstdio>
#include <string>

namespace orvane {

std::tm localTime(WallClock::TimePoint when) {
  const std::time_t seconds = std::chrono::system_clock::to_time_t(when);
  std::tm local{};
  localtime_r(&seconds, &local);
  return local;
}

std::string clockText(WallClock::TimePoint when) {
  const std::tm local = localTime(when);
  char text[64];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", local.tm_year + 1900, local.tm_mon + 1,
                local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
  return text;
}

std::string clockTextWithOffset(WallClock::TimePoint when) {
  const std::tm local = localTime(when);
  char offset[16];
  std::strftime(offset, sizeof offset, " %z", &local);
  return clockText(when) + offset;
}

} // namespace orvane
