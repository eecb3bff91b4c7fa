#pragma once

#include "publish/broker_client.h"
#include "publish/broker_settings.h"
#include "publish/messages.h"
#include "publish/outgoing_queue.h"
#include "publish/publisher.h"

#include <chrono>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

namespace orvane {

// What the publishing side and the loop share: the queue, the latest status, the health.
struct PublishingState {
  explicit PublishingState(std::size_t sampleLimit) : queue(sampleLimit) {}

  OutgoingQueue queue;
  std::mutex mutex; // guards the members below
  PublishedStatus status;
  std::optional<PublishedLinkHealth> linkHealth;
  std::uint64_t statusVersion = 0; // grows with each change of the status or the link's counts
  std::string lastError;
  bool connected = false;
  bool finishing = false;
  std::chrono::steady_clock::time_point finishBy;
};

// The publisher's thread: connects with growing pauses between attempts, hands the queued
// messages to the broker a window at a time and keeps each until the broker acknowledges it,
// so that a connection lost with messages in flight sends them again on the next one. It
// sleeps in poll() on the broker's socket and on an event descriptor the publish calls
// signal.
class PublishingLoop {
public:
  PublishingLoop(const BrokerSettings& settings, const PublisherOptions& options, PublishingState& state,
                 int wakeDescriptor);
  ~PublishingLoop();

  // Runs until finish() was asked for and its time is up or everything has been sent.
  void run();

private:
  struct Unacknowledged {
    std::optional<int> messageId;
    std::string topic;
    std::string payload;
    bool retain = false;
  };
  using Clock = std::chrono::steady_clock;

  bool finished(Clock::time_point now);
  void startConnecting(Clock::time_point now);
  void connectionAccepted();
  void lose(const std::string& why, Clock::time_point now);
  void handOver();
  bool willIsStale();
  void renewWill();
  bool send(Unacknowledged& message);
  void sleepUntilSomethingHappens(Clock::time_point now);
  std::string statusPayload(bool online);

  const BrokerSettings& settings_;
  const PublisherOptions& options_;
  PublishingState& state_;
  const int wakeDescriptor_;
  const std::string sampleTopic_, statusTopic_, eventTopic_;

  std::unique_ptr<BrokerClient> client_;
  bool connected_ = false;
  std::optional<int> connack_;
  Clock::time_point retryAt_{};
  Clock::time_point connectingSince_{};
  std::chrono::milliseconds retryDelay_;
  std::deque<Unacknowledged> unacknowledged_;
  std::uint64_t sentStatusVersion_ = 0;
  PublishedStatus willStatus_; // the status in the current connection's will
  bool finishing_ = false;     // a copy of the shared flag, taken under its lock
  bool offlineSent_ = false;
};

} // namespace orvane
