#pragma once

#include "link/link_health.h"
#include "platform/clock.h"
#include "publish/publisher.h"

#include <optional>

namespace orvane {

// Puts the link's counts in the published status: the first at once, then a change at most once a
// minute. The exchanges grow at every tick, and a retained status a tick would wake every
// subscriber twice a second for news that a dashboard reads by the minute. Used on the thread that
// reads the counts (the window's, the logger's); times on the monotonic clock.
class LinkHealthPublishing {
public:
  static constexpr Clock::Duration kEvery = std::chrono::minutes(1);

  explicit LinkHealthPublishing(Publisher& publisher) : publisher_(publisher) {}

  // The counts so far, as often as the caller reads them; a change not yet due is published by a
  // later call once its minute is up.
  void update(const LinkHealth& total, Clock::Duration now);

private:
  Publisher& publisher_;
  std::optional<LinkHealth> published_;
  Clock::Duration publishedAt_{};
};

} // namespace orvane
