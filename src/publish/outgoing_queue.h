#pragma once

#include "publish/messages.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <variant>

namespace orvane {

using OutgoingMessage = std::variant<PublishedSample, PublishedEvent>;

// The messages waiting for the broker, in the order they were given. It holds at most
// sampleLimit samples and eventLimit events: a message beyond that pushes out the oldest of
// its kind, which is counted as dropped. Safe to share between the thread that fills it and
// the one that empties it; a push holds the lock only for the push itself.
class OutgoingQueue {
public:
  static constexpr std::size_t kEventLimit = 1000;

  explicit OutgoingQueue(std::size_t sampleLimit, std::size_t eventLimit = kEventLimit)
      : sampleLimit_(sampleLimit), eventLimit_(eventLimit) {}

  void push(OutgoingMessage message);
  // A new sample rate gives a new bound; a lower one takes effect at the next push.
  void setSampleLimit(std::size_t sampleLimit);
  std::optional<OutgoingMessage> pop();

  std::size_t size() const;
  std::uint64_t dropped() const;

private:
  void dropOldest(bool sample);

  std::size_t sampleLimit_;
  const std::size_t eventLimit_;
  mutable std::mutex mutex_;
  std::deque<OutgoingMessage> messages_;
  std::size_t samples_ = 0;
  std::uint64_t dropped_ = 0;
};

// One hour of samples at the given sample rate: 7200 at 0.5 s, 113 at 32 s.
std::size_t samplesInAnHour(double sampleRateSeconds);

} // namespace orvane
