#include "broker_subscriber.h"

#include <mosquitto.h>
#include <stdexcept>

namespace orvane::testing {

BrokerSubscriber::BrokerSubscriber(int port, std::string filter, const char* clientId)
    : filter_(std::move(filter)) {
  mosquitto_lib_init();
  client_ = mosquitto_new(clientId, clientId == nullptr, this);
  mosquitto_connect_callback_set(client_, [](mosquitto* client, void* self, int) {
    mosquitto_subscribe(client, nullptr, static_cast<BrokerSubscriber*>(self)->filter_.c_str(), 1);
  });
  mosquitto_message_callback_set(client_, [](mosquitto*, void* self, const mosquitto_message* message) {
    auto& subscriber = *static_cast<BrokerSubscriber*>(self);
    const std::lock_guard lock(subscriber.mutex_);
    subscriber.received_.push_back({message->topic,
                                    std::string(static_cast<const char*>(message->payload), message->payloadlen),
                                    message->retain});
    subscriber.arrived_.notify_all();
  });
  mosquitto_subscribe_callback_set(client_, [](mosquitto*, void* self, int, int, const int*) {
    auto& subscriber = *static_cast<BrokerSubscriber*>(self);
    const std::lock_guard lock(subscriber.mutex_);
    subscriber.subscribed_ = true;
    subscriber.arrived_.notify_all();
  });
  mosquitto_reconnect_delay_set(client_, 1, 1, false);
  if (mosquitto_connect(client_, "127.0.0.1", port, 30) != MOSQ_ERR_SUCCESS)
    throw std::runtime_error("the test subscriber cannot connect");
  mosquitto_loop_start(client_);
  std::unique_lock lock(mutex_);
  if (!arrived_.wait_for(lock, std::chrono::seconds(30), [this] { return subscribed_; }))
    throw std::runtime_error("the test subscriber was not subscribed");
}

BrokerSubscriber::~BrokerSubscriber() {
  mosquitto_disconnect(client_);
  mosquitto_loop_stop(client_, false);
  mosquitto_destroy(client_);
  mosquitto_lib_cleanup();
}

bool BrokerSubscriber::waitFor(const std::function<bool(const std::vector<ReceivedMessage>&)>& condition) {
  std::unique_lock lock(mutex_);
  return arrived_.wait_for(lock, std::chrono::seconds(30), [&] { return condition(received_); });
}

std::vector<ReceivedMessage> BrokerSubscriber::received() {
  const std::lock_guard lock(mutex_);
  return received_;
}

} // namespace orvane::testing
