#pragma once

#include "live_publish/link_health_publishing.h"
#include "logger/repeated_status.h"
#include "logger/unattended_logger.h"
#include "publish/publisher.h"
#include "publish/publisher_report.h"

namespace orvane {

// The recording published: the status at each identification (model, rated current, maximum
// frequency, sample rate) with the link's counts (at most once a minute), every sample logged and
// every event. Each call only hands a copy to
// the publisher's queue; what changes in the publisher's health (the broker reached or lost,
// messages dropped) goes to the status lines as it is noticed, a condition that repeats (the queue
// full at every sample while the broker is away) at most once a minute.
class LoggerPublishing final : public LoggerObserver {
public:
  LoggerPublishing(Publisher& publisher, const BrokerSettings& settings, int rateTenths, RepeatedStatus& status)
      : publisher_(publisher), report_(settings), rateTenths_(rateTenths), status_(status),
        linkHealth_(publisher) {}

  void identified(const DriveIdentity& identity) override;
  void sampleLogged(WallClock::TimePoint tickStart, double sessionSeconds, const Reading& reading) override;
  void happened(WallClock::TimePoint when, EventKind kind, const std::string& text,
                const std::vector<std::string>& tripHistory) override;
  void linkCounted(const LinkHealth& total, Clock::Duration now) override { linkHealth_.update(total, now); }

private:
  void reportHealth();

  Publisher& publisher_;
  PublisherReport report_;
  int rateTenths_;
  RepeatedStatus& status_;
  LinkHealthPublishing linkHealth_;
};

} // namespace orvane
