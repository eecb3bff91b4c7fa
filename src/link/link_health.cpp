#include "link/link_health.h"

#include <cstdio>

namespace orvane {

std::string linkHealthText(const LinkHealth& health) {
  return std::to_string(health.exchanges) + " exchanges, " + std::to_string(health.timeouts) + " time-outs, " +
         std::to_string(health.retries) + " retries, " + std::to_string(health.lateTicks) + " late ticks";
}

std::optional<LinkHealth> linkHealthFromText(const std::string& text) {
  unsigned long long counts[4] = {};
  int consumed = 0;
  if (std::sscanf(text.c_str(), "%llu exchanges, %llu time-outs, %llu retries, %llu late ticks%n", &counts[0],
                  &counts[1], &counts[2], &counts[3], &consumed) != 4 ||
      static_cast<std::size_t>(consumed) != text.size())
    return std::nullopt;
  return LinkHealth{counts[0], counts[1], counts[2], counts[3]};
}

} // namespace orvane
