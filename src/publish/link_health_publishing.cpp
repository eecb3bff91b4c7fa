#include "publish/link_health_publishing.h"

namespace orvane {

void LinkHealthPublishing::update(const LinkHealth& total, Clock::Duration now) {
  if (total == published_ || (published_ && now - publishedAt_ < kEvery))
    return;
  published_ = total;
  publishedAt_ = now;
  publisher_.publishLinkHealth({total.exchanges, total.timeouts, total.retries, total.lateTicks});
}

} // namespace orvane
