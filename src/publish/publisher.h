#pragma once

#include "publish/broker_settings.h"
#include "publish/messages.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>

namespace orvane {

struct PublishingState;

struct PublisherOptions {
  double sampleRateSeconds = 0.5; // the queue holds one hour of samples at this rate (until a status says)
  std::chrono::milliseconds firstRetry{500};
  std::chrono::milliseconds longestRetry{30'000};
};

struct PublisherHealth {
  bool connected = false;
  std::string lastError; // the latest failure to reach the broker; empty once connected
  std::uint64_t droppedMessages = 0;
  std::size_t waitingMessages = 0;
};

// Publishes samples, the status and events to an MQTT broker from a thread of its own. The
// publish calls only put a copy in a bounded queue and wake that thread: they never wait for
// the network, so a broker that is down, slow or refusing cannot delay a tick. Every message
// is sent with QoS 1 and kept until the broker has acknowledged it, across lost connections;
// the status is retained, and the broker's last will turns it offline if this process dies.
class Publisher {
public:
  Publisher(BrokerSettings settings, PublisherOptions options);
  ~Publisher();
  Publisher(const Publisher&) = delete;
  Publisher& operator=(const Publisher&) = delete;

  void publishSample(const PublishedSample& sample);
  // Replaces the status; the latest one is published (again at every new connection). Its
  // sample rate, when given, sets the queue's bound to one hour of samples.
  void publishStatus(const PublishedStatus& status);
  void publishEvent(const PublishedEvent& event);
  // Replaces the link's counts in the status, which is published again. Not part of the last will's
  // news: counts that change every minute must not cost a reconnection each.
  void publishLinkHealth(const PublishedLinkHealth& health);

  // Gives the queue up to the time limit to empty, publishes the status "offline" and
  // disconnects; nothing is sent after it. The destructor calls it with 2 s
  // when it was not called before.
  void finish(std::chrono::milliseconds limit);

  PublisherHealth health() const;

private:
  void wake() const;

  const BrokerSettings settings_;
  const PublisherOptions options_;
  std::unique_ptr<PublishingState> state_;
  int wakeDescriptor_;
  std::thread thread_;
};

} // namespace orvane
