#include "fakes/scripted_serial_port.h"

#include <algorithm>

namespace orvane::testing {

void ScriptedSerialPort::open() {
  checkThread("open");
  if (openFailure_)
    throw PortOpenError("/dev/fake" + std::to_string(portNumber_), *openFailure_);
  open_ = true;
  ++opens;
}

void ScriptedSerialPort::close() {
  checkThread("close");
  if (open_)
    ++closes;
  open_ = false;
}

void ScriptedSerialPort::send(std::span<const std::uint8_t> bytes) {
  checkThread("send");
  Bytes sent(bytes.begin(), bytes.end());
  sends.push_back(sent);
  std::vector<Reply> replies;
  if (!queued_.empty()) {
    replies.push_back(std::move(queued_.front()));
    queued_.pop_front();
  } else if (responder_) {
    replies = responder_(sent);
  }
  for (Reply& reply : replies)
    pending_.push_back({std::move(reply.bytes), clock_.now() + reply.delay});
  std::stable_sort(pending_.begin(), pending_.end(),
                   [](const Pending& a, const Pending& b) { return a.due < b.due; });
  if (onActivity)
    onActivity();
}

void ScriptedSerialPort::deliverDue() {
  while (!pending_.empty() && pending_.front().due <= clock_.now()) {
    received_.insert(received_.end(), pending_.front().bytes.begin(), pending_.front().bytes.end());
    pending_.pop_front();
  }
  if (received_.size() > kReceiveBufferSize)
    received_.resize(kReceiveBufferSize);
}

std::size_t ScriptedSerialPort::bytesReceived() {
  checkThread("bytesReceived");
  deliverDue();
  return received_.size();
}

std::vector<std::uint8_t> ScriptedSerialPort::readAll() {
  checkThread("readAll");
  if (onActivity)
    onActivity();
  deliverDue();
  Bytes bytes;
  bytes.swap(received_);
  return bytes;
}

void ScriptedSerialPort::waitForInput(std::chrono::nanoseconds timeout, std::size_t) {
  checkThread("waitForInput");
  const Clock::Duration limit = clock_.now() + timeout;
  if (!pending_.empty() && pending_.front().due <= limit) {
    clock_.advance(std::max(Clock::Duration{}, pending_.front().due - clock_.now()));
    return;
  }
  if (holdSilentWaits && wakeup_ && timeout > kHeldWaitsFrom) {
    ++heldWaits;
    if (!wakeup_->sleepFor(std::chrono::hours(1)))
      return;
  }
  clock_.advance(timeout);
}

} // namespace orvane::testing
