#include "publish/publishing_loop.h"

#include "publish/message_json.h"

#include <algorithm>
#include <csignal>
#include <poll.h>
#include <pthread.h>
#include <unistd.h>

namespace orvane {
namespace {

// Messages handed to the broker and not yet acknowledged, at most; the rest wait in the queue.
constexpr std::size_t kWindow = 20;
constexpr auto kConnectLimit = std::chrono::seconds(10);
constexpr auto kKeepAliveCheck = std::chrono::seconds(1);

// A write to a socket the broker has closed raises SIGPIPE, which would end the process;
// blocked on this thread it stays pending and the write fails with EPIPE instead.
void blockBrokenPipeSignals() {
  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGPIPE);
  pthread_sigmask(SIG_BLOCK, &signals, nullptr);
}

} // namespace

PublishingLoop::PublishingLoop(const BrokerSettings& settings, const PublisherOptions& options,
                               PublishingState& state, int wakeDescriptor)
    : settings_(settings), options_(options), state_(state), wakeDescriptor_(wakeDescriptor),
      sampleTopic_(settings.prefix + "/sample"), statusTopic_(settings.prefix + "/status"),
      eventTopic_(settings.prefix + "/event"), retryDelay_(options.firstRetry) {}

PublishingLoop::~PublishingLoop() = default;

std::string PublishingLoop::statusPayload(bool online) {
  const std::lock_guard lock(state_.mutex);
  return statusJson(state_.status, online, state_.queue.dropped(), state_.linkHealth);
}

void PublishingLoop::run() {
  blockBrokenPipeSignals();
  for (;;) {
    const auto now = Clock::now();
    if (finished(now))
      break;
    if (!client_ && now >= retryAt_)
      startConnecting(now);
    if (client_ && !connected_ && now - connectingSince_ > kConnectLimit)
      lose("the broker did not answer", now);
    if (connected_)
      handOver();
    sleepUntilSomethingHappens(now);
  }
  if (connected_) {
    // Out of time with messages still unacknowledged: the status must not stay "online".
    if (!offlineSent_)
      client_->publish(statusTopic_, statusPayload(false), true);
    client_->disconnect();
  }
  client_.reset();
  const std::lock_guard lock(state_.mutex);
  state_.connected = false;
}

bool PublishingLoop::finished(Clock::time_point now) {
  const std::lock_guard lock(state_.mutex);
  finishing_ = state_.finishing;
  return finishing_ && (now >= state_.finishBy || (offlineSent_ && unacknowledged_.empty()));
}

void PublishingLoop::startConnecting(Clock::time_point now) {
  {
    const std::lock_guard lock(state_.mutex);
    willStatus_ = state_.status;
  }
  client_ = std::make_unique<BrokerClient>(
      settings_, statusTopic_, statusPayload(false),
      BrokerClient::Callbacks{[this](int code) { connack_ = code; },
                              [this](int messageId) {
                                std::erase_if(unacknowledged_,
                                              [messageId](const auto& m) { return m.messageId == messageId; });
                              }});
  connectingSince_ = now;
  if (std::string why = client_->connect(); !why.empty())
    lose("cannot connect to " + settings_.host + ":" + std::to_string(settings_.port) + ": " + why, now);
}

void PublishingLoop::connectionAccepted() {
  connected_ = true;
  retryDelay_ = options_.firstRetry;
  sentStatusVersion_ = 0;
  {
    const std::lock_guard lock(state_.mutex);
    state_.connected = true;
    state_.lastError.clear();
  }
  for (Unacknowledged& message : unacknowledged_)
    if (!send(message))
      return;
}

void PublishingLoop::lose(const std::string& why, Clock::time_point now) {
  client_.reset();
  connected_ = false;
  connack_.reset();
  retryAt_ = now + retryDelay_;
  retryDelay_ = std::min(retryDelay_ * 2, options_.longestRetry);
  const std::lock_guard lock(state_.mutex);
  state_.connected = false;
  state_.lastError = why;
}

bool PublishingLoop::send(Unacknowledged& message) {
  message.messageId = client_->publish(message.topic, message.payload, message.retain);
  if (!message.messageId)
    lose("the MQTT client did not take a message", Clock::now());
  return message.messageId.has_value();
}

bool PublishingLoop::willIsStale() {
  const std::lock_guard lock(state_.mutex);
  return state_.status != willStatus_;
}

void PublishingLoop::renewWill() {
  // A clean disconnect makes the broker drop the old will unpublished, so the status stays
  // "online" until the new connection says so again.
  client_->disconnect();
  client_.reset();
  connected_ = false;
  retryAt_ = Clock::now();
}

void PublishingLoop::handOver() {
  // The broker keeps the will given when the connection was made. A drive identified after
  // that (or changed, or its rated current learnt) would be missing from the "offline" status it
  // publishes, so once what is in flight is acknowledged the loop connects again with a will
  // that carries the status as it is now. Not when finishing: the offline status is about to be
  // sent with the status as it is, and a connection given up now might not come back in time.
  if (!finishing_ && willIsStale()) {
    if (unacknowledged_.empty())
      renewWill();
    return;
  }
  std::uint64_t statusVersion = 0;
  {
    const std::lock_guard lock(state_.mutex);
    statusVersion = state_.statusVersion;
  }
  if (statusVersion != sentStatusVersion_) {
    sentStatusVersion_ = statusVersion;
    unacknowledged_.push_back({std::nullopt, statusTopic_, statusPayload(true), true});
    if (!send(unacknowledged_.back()))
      return;
  }
  while (unacknowledged_.size() < kWindow) {
    std::optional<OutgoingMessage> message = state_.queue.pop();
    if (!message)
      break;
    if (const auto* sample = std::get_if<PublishedSample>(&*message))
      unacknowledged_.push_back({std::nullopt, sampleTopic_, sampleJson(*sample), false});
    else
      unacknowledged_.push_back({std::nullopt, eventTopic_, eventJson(std::get<PublishedEvent>(*message)), false});
    if (!send(unacknowledged_.back()))
      return;
  }
  if (finishing_ && !offlineSent_ && unacknowledged_.empty() && state_.queue.size() == 0) {
    offlineSent_ = true;
    unacknowledged_.push_back({std::nullopt, statusTopic_, statusPayload(false), true});
    send(unacknowledged_.back());
  }
}

void PublishingLoop::sleepUntilSomethingHappens(Clock::time_point now) {
  Clock::time_point until = client_ ? now + kKeepAliveCheck : retryAt_;
  {
    const std::lock_guard lock(state_.mutex);
    if (state_.finishing)
      until = std::min(until, state_.finishBy);
  }
  const auto timeout = std::chrono::ceil<std::chrono::milliseconds>(std::max(until - now, Clock::duration(0)));
  pollfd watched[2] = {{wakeDescriptor_, POLLIN, 0}, {-1, 0, 0}};
  if (client_) {
    watched[1].fd = client_->socket();
    watched[1].events = static_cast<short>(POLLIN | (client_->wantsWrite() ? POLLOUT : 0));
  }
  if (poll(watched, 2, static_cast<int>(timeout.count())) < 0)
    return;
  if (watched[0].revents & POLLIN) {
    std::uint64_t count = 0;
    [[maybe_unused]] const auto ignored = ::read(wakeDescriptor_, &count, sizeof count);
  }
  if (!client_)
    return;
  const auto after = Clock::now();
  std::string why;
  if (watched[1].revents & (POLLIN | POLLHUP | POLLERR))
    why = client_->read();
  if (why.empty() && (watched[1].revents & POLLOUT))
    why = client_->write();
  if (why.empty())
    why = client_->keepAlive();
  const std::string where = settings_.host + ":" + std::to_string(settings_.port);
  if (connack_ && *connack_ != 0)
    lose("the broker at " + where + " refused the connection: " + BrokerClient::refusalText(*connack_), after);
  else if (!why.empty())
    lose((connected_ ? "lost the connection to " : "cannot connect to ") + where + ": " + why, after);
  else if (connack_ && !connected_)
    connectionAccepted();
  connack_.reset();
}

} // namespace orvane
