#pragma once

#include "logger/repeated_status.h"
#include "publish/publisher.h"
#include "publish/publisher_report.h"

namespace orvane {

// What changes in the publisher's health (the broker reached or lost, messages dropped), in the
// logger's status lines as it is noticed; a condition that repeats (the queue full at every sample
// while the broker is away) at most once a minute. Looked at after each sample and event is
// published, on the logger's thread.
class PublisherStatusLines {
public:
  PublisherStatusLines(const Publisher& publisher, const BrokerSettings& settings, RepeatedStatus& status)
      : publisher_(publisher), report_(settings), status_(status) {}

  void look();

private:
  const Publisher& publisher_;
  PublisherReport report_;
  RepeatedStatus& status_;
};

} // namespace orvane
