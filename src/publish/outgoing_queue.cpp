#include "publish/outgoing_queue.h"

#include <algorithm>
#include <cmath>

namespace orvane {
namespace {

bool isSample(const OutgoingMessage& message) { return std::holds_alternative<PublishedSample>(message); }

} // namespace

std::size_t samplesInAnHour(double sampleRateSeconds) {
  return static_cast<std::size_t>(std::ceil(3600.0 / std::max(sampleRateSeconds, 0.1)));
}

void OutgoingQueue::push(OutgoingMessage message) {
  const bool sample = isSample(message);
  const std::lock_guard lock(mutex_);
  const auto ofItsKind = [&] { return sample ? samples_ : messages_.size() - samples_; };
  while (ofItsKind() > 0 && ofItsKind() >= (sample ? sampleLimit_ : eventLimit_))
    dropOldest(sample);
  messages_.push_back(std::move(message));
  samples_ += sample ? 1 : 0;
}

void OutgoingQueue::dropOldest(bool sample) {
  const auto oldest = std::ranges::find_if(messages_, [sample](const auto& m) { return isSample(m) == sample; });
  if (oldest == messages_.end())
    return;
  messages_.erase(oldest);
  samples_ -= sample ? 1 : 0;
  ++dropped_;
}

void OutgoingQueue::setSampleLimit(std::size_t sampleLimit) {
  const std::lock_guard lock(mutex_);
  sampleLimit_ = sampleLimit;
}

std::optional<OutgoingMessage> OutgoingQueue::pop() {
  const std::lock_guard lock(mutex_);
  if (messages_.empty())
    return std::nullopt;
  OutgoingMessage message = std::move(messages_.front());
  messages_.pop_front();
  samples_ -= isSample(message) ? 1 : 0;
  return message;
}

std::size_t OutgoingQueue::size() const {
  const std::lock_guard lock(mutex_);
  return messages_.size();
}

std::uint64_t OutgoingQueue::dropped() const {
  const std::lock_guard lock(mutex_);
  return dropped_;
}

} // namespace orvane
