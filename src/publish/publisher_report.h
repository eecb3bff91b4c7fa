#pragma once

#include "publish/publisher.h"

#include <cstdint>
#include <string>
#include <vector>

namespace orvane {

// Turns the publisher's health, looked at now and then (once a tick will do), into lines for
// the user when something changed: the broker reached, a new failure to reach it, messages
// dropped because the queue was full. The logger prints them; the window can show them.
class PublisherReport {
public:
  explicit PublisherReport(const BrokerSettings& settings);

  std::vector<std::string> update(const PublisherHealth& health);

private:
  std::string broker_;
  bool connected_ = false;
  std::string lastError_;
  std::uint64_t dropped_ = 0;
};

// The publisher's state for a window: a few words to show, and the whole of it for a tooltip.
struct PublisherSummary {
  std::string text;
  std::string detail;
};
PublisherSummary publisherSummary(const PublisherHealth& health, const BrokerSettings& settings);

// The broker as a URL without the password: "mqtts://watch@broker.example:8883/plant/line1".
std::string brokerUrlText(const BrokerSettings& settings);

} // namespace orvane
