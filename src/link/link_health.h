#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace orvane {

// The Events.CSV line that carries the counts since the last such line.
inline constexpr const char* kLinkHealthEvent = "link health";

// How the link has fared: exchanges begun, replies that did not come in time, reads tried
// again, and ticks that could not run when due. A value, handed over as a copy by whoever owns
// the link's thread.
struct LinkHealth {
  std::uint64_t exchanges = 0;
  std::uint64_t timeouts = 0;
  std::uint64_t retries = 0;
  std::uint64_t lateTicks = 0;

  bool operator==(const LinkHealth&) const = default;
  LinkHealth operator-(const LinkHealth& earlier) const {
    return {exchanges - earlier.exchanges, timeouts - earlier.timeouts, retries - earlier.retries,
            lateTicks - earlier.lateTicks};
  }
  LinkHealth operator+(const LinkHealth& more) const {
    return {exchanges + more.exchanges, timeouts + more.timeouts, retries + more.retries,
            lateTicks + more.lateTicks};
  }
};

// "1234 exchanges, 2 time-outs, 3 retries, 0 late ticks": the words of a status line and of an
// Events.CSV line, read back by linkHealthFromText.
std::string linkHealthText(const LinkHealth& health);
std::optional<LinkHealth> linkHealthFromText(const std::string& text);

} // namespace orvane
