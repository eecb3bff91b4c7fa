#include "link/link.h"

#include <algorithm>

namespace orvane {
namespace {

// When the reply to a frame just sent is complete from a drive that answers
// normally: the frame and the reply at 4800 baud (some 2.3 ms a byte) and the
// drive's answer delay. A wait still running past it under a stop is given up.
constexpr Clock::Duration kAnswerAllowance = std::chrono::milliseconds(40);
constexpr Clock::Duration kByteTime = std::chrono::microseconds(2300);

Clock::Duration replyDue(std::size_t count) {
  return kAnswerAllowance + static_cast<Clock::Duration::rep>(count) * kByteTime;
}

} // namespace

Link::Link(Platform& platform) : platform_(platform) { platform_.port.setWakeup(&wakeup_); }

Link::~Link() { platform_.port.setWakeup(nullptr); }

void Link::abandon() {
  abandoned_ = true;
  wakeup_.raise();
}

void Link::requestStop() {
  stopping_ = true;
  wakeup_.raise(); // a wait in progress looks again at its deadline
}

void Link::resume() {
  abandoned_ = false;
  stopping_ = false;
  wakeup_.clear();
}

bool Link::giveUp() {
  abandoned_ = true;
  return false;
}

bool Link::pause(Clock::Duration duration) {
  if (stopping())
    return giveUp();
  return platform_.clock.sleepFor(duration, wakeup_) || giveUp();
}

bool Link::pauseBeforeRetry(Clock::Duration duration) {
  ++retries_;
  return pause(duration);
}

void Link::openIfClosed() {
  if (!port().isOpen())
    port().open();
}

// A read takes at most the port's 1024-byte buffer; what the drive sent
// beyond that still waits in the system. All of it goes, so no stale byte is
// taken for part of the next reply.
void Link::discardInput() {
  while (!port().readAll().empty()) {
  }
}

void Link::send(const Bytes& bytes) {
  if (!abandoned_)
    port().send(bytes);
}

bool Link::waitForBytes(std::size_t count, Clock::Duration since) {
  Clock& clock = platform_.clock;
  const Clock::Duration due = clock.now() + replyDue(count);
  for (;;) {
    if (abandoned_)
      return false;
    const Clock::Duration now = clock.now();
    const Clock::Duration waited = now - since;
    if (waited > kReplyTimeout)
      return false;
    const std::size_t received = port().bytesReceived();
    if (received >= count)
      return true;
    // Sleep on the device until the missing bytes arrive, or just past the limit.
    Clock::Duration limit = kReplyTimeout - waited + std::chrono::milliseconds(1);
    if (stopping_) {
      if (now >= due)
        return giveUp();
      // The stop has been seen: sleep on until the reply is due, unless
      // abandoned meanwhile (abandon() raises the wakeup after setting its flag).
      wakeup_.clear();
      if (abandoned_)
        return false;
      limit = std::min(limit, due - now);
    }
    port().waitForInput(limit, count - received);
  }
}

bool Link::waitForBytes(std::size_t count) { return waitForBytes(count, platform_.clock.now()); }

std::optional<Bytes> Link::exchange(const Bytes& commandBytes, const Bytes& dataBytes, std::size_t finalCount,
                                    WaitBudget budget) {
  const Clock::Duration start = platform_.clock.now();
  const auto waitFor = [&](std::size_t count) {
    const bool arrived = budget == WaitBudget::WholeExchange ? waitForBytes(count, start) : waitForBytes(count);
    // A wait given up at a stop or abandon is no fault of the drive's.
    if (!arrived && !abandoned_)
      ++timeouts_;
    return arrived;
  };
  if (abandoned_ || (stopping_ && !wholeTick_)) {
    giveUp();
    return std::nullopt;
  }
  ++exchanges_;
  discardInput();
  send(commandBytes);
  if (!waitFor(1))
    return std::nullopt;
  discardInput();
  send(dataBytes);
  if (!waitFor(5))
    return std::nullopt;
  discardInput();
  send(Bytes{kAcknowledge});
  if (!waitFor(finalCount))
    return std::nullopt;
  return port().readAll();
}

void Link::showCommunicationsError() {
  platform_.messages.show(MessageIcon::Exclamation, MessageButtons::Ok, kCommunicationsErrorTitle,
                          kCommunicationsErrorText);
}

void Link::showOpenFailure(const PortOpenError& error) {
  platform_.messages.show(MessageIcon::Exclamation, MessageButtons::Ok, kCommunicationsErrorTitle,
                          "The serial port " + error.device() + " could not be opened:\n" + error.reason());
}

LinkResult<double> Link::read(std::uint16_t address, std::int16_t length, std::int16_t divisor) {
  const auto count = static_cast<std::uint8_t>(length);
  const std::optional<Bytes> reply =
      exchange(commandFrame(command::kReadMemory, 3),
               dataFrame(readRequestPayload(count, static_cast<std::uint8_t>(address & 0xFF),
                                            static_cast<std::uint8_t>(address >> 8))),
               static_cast<std::size_t>(std::max<std::int16_t>(length, 0)) + 2);
  if (!reply)
    return LinkFailure::ReadTimedOut;
  const double value = static_cast<double>(assembleValue(*reply, length)) / static_cast<double>(divisor);
  if (readFailed(value))
    return LinkFailure::FailureValue;
  return value;
}

} // namespace orvane
