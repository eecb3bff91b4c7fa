#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

struct mosquitto;

namespace orvane::testing {

struct ReceivedMessage {
  std::string topic;
  std::string payload;
  bool retained = false;
};

// A test's own MQTT client on 127.0.0.1 that records every message of a topic filter, at
// QoS 1. Given a client id it keeps its session at the broker, so that it also gets, on
// reconnecting, what was published while the broker or it was away.
class BrokerSubscriber {
public:
  BrokerSubscriber(int port, std::string filter, const char* clientId = nullptr);
  ~BrokerSubscriber();

  // Waits, up to a generous limit, until the messages received satisfy the condition.
  bool waitFor(const std::function<bool(const std::vector<ReceivedMessage>&)>& condition);
  std::vector<ReceivedMessage> received();

private:
  std::string filter_;
  mosquitto* client_;
  std::mutex mutex_;
  std::condition_variable arrived_;
  std::vector<ReceivedMessage> received_;
  bool subscribed_ = false;
};

} // namespace orvane::testing
