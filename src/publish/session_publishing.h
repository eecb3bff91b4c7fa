#pragma once

#include "acquisition/session_consumer.h"
#include "publish/link_health_publishing.h"
#include "publish/publisher.h"

#include <functional>

namespace orvane {

// A session published, the window's and the logger's alike: the status at each identification
// (model, rated current, maximum frequency, sample rate; a rated current that a reading brings
// later joins it then), every sample, every event, and the link's counts in the status at most
// once a minute. Each call only hands a copy to the publisher's queue. Called on the thread that
// tells the consumer.
class SessionPublishing final : public SessionConsumer {
public:
  // `queued` runs after each sample and event is handed over: where the program looks at how the
  // publishing goes.
  explicit SessionPublishing(Publisher& publisher, std::function<void()> queued = {})
      : publisher_(publisher), queued_(std::move(queued)), linkHealth_(publisher) {}

  void identified(const SessionDrive& drive) override;
  void sampled(WallTime when, double sessionSeconds, const Reading& reading) override;
  void happened(WallTime when, const SessionEvent& event) override;
  void linkCounted(const LinkHealth& total, Clock::Duration now) override { linkHealth_.update(total, now); }

private:
  void afterQueued() const {
    if (queued_)
      queued_();
  }

  Publisher& publisher_;
  std::function<void()> queued_;
  LinkHealthPublishing linkHealth_;
  PublishedStatus status_;
};

} // namespace orvane
