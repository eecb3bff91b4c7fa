#include "publish/publisher.h"

#include "publish/publishing_loop.h"

#include <mosquitto.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace orvane {

Publisher::Publisher(BrokerSettings settings, PublisherOptions options)
    : settings_(std::move(settings)), options_(options),
      state_(std::make_unique<PublishingState>(samplesInAnHour(options.sampleRateSeconds))),
      wakeDescriptor_(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {
  mosquitto_lib_init();
  thread_ = std::thread([this] { PublishingLoop(settings_, options_, *state_, wakeDescriptor_).run(); });
}

Publisher::~Publisher() {
  finish(std::chrono::seconds(2));
  close(wakeDescriptor_);
  mosquitto_lib_cleanup();
}

void Publisher::wake() const {
  const std::uint64_t one = 1;
  [[maybe_unused]] const auto ignored = write(wakeDescriptor_, &one, sizeof one);
}

void Publisher::publishSample(const PublishedSample& sample) {
  state_->queue.push(sample);
  wake();
}

void Publisher::publishStatus(const PublishedStatus& status) {
  if (status.sampleRateSeconds)
    state_->queue.setSampleLimit(samplesInAnHour(*status.sampleRateSeconds));
  {
    const std::lock_guard lock(state_->mutex);
    state_->status = status;
    ++state_->statusVersion;
  }
  wake();
}

void Publisher::publishLinkHealth(const PublishedLinkHealth& health) {
  {
    const std::lock_guard lock(state_->mutex);
    state_->linkHealth = health;
    ++state_->statusVersion;
  }
  wake();
}

void Publisher::publishEvent(const PublishedEvent& event) {
  state_->queue.push(event);
  wake();
}

void Publisher::finish(std::chrono::milliseconds limit) {
  if (!thread_.joinable())
    return;
  {
    const std::lock_guard lock(state_->mutex);
    state_->finishing = true;
    state_->finishBy = std::chrono::steady_clock::now() + limit;
  }
  wake();
  thread_.join();
}

PublisherHealth Publisher::health() const {
  const std::lock_guard lock(state_->mutex);
  return {state_->connected, state_->lastError, state_->queue.dropped(), state_->queue.size()};
}

} // namespace orvane
