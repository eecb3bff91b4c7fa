#include "link/link.h"

#include <algorithm>

namespace orvane {

Link::Link(Platform& platform) : platform_(platform) { platform_.port.setWakeup(&wakeup_); }

Link::~Link() { platform_.port.setWakeup(nullptr); }

void Link::abandon() {
  abandoned_ = true;
  wakeup_.raise();
}

void Link::resume() {
  abandoned_ = false;
  wakeup_.clear();
}

bool Link::pause(Clock::Duration duration) { return !abandoned_ && platform_.clock.sleepFor(duration, wakeup_); }

void Link::stopMonitor() {
  if (stopMonitor_)
    stopMonitor_();
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
  for (;;) {
    if (abandoned_)
      return false;
    const Clock::Duration waited = clock.now() - since;
    if (waited > kReplyTimeout)
      return false;
    const std::size_t received = port().bytesReceived();
    if (received >= count)
      return true;
    // Sleep on the device until the missing bytes arrive, or just past the limit.
    port().waitForInput(kReplyTimeout - waited + std::chrono::milliseconds(1), count - received);
  }
}

bool Link::waitForBytes(std::size_t count) { return waitForBytes(count, platform_.clock.now()); }

std::optional<Bytes> Link::exchange(const Bytes& commandBytes, const Bytes& dataBytes, std::size_t finalCount,
                                    WaitBudget budget) {
  const Clock::Duration start = platform_.clock.now();
  const auto waitFor = [&](std::size_t count) {
    return budget == WaitBudget::WholeExchange ? waitForBytes(count, start) : waitForBytes(count);
  };
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

void Link::ReadAddress(std::int16_t& HighByte, std::int16_t& LowByte, std::int16_t& Length, std::int16_t& Divisor,
                       double& Value) {
  const auto address =
      static_cast<std::uint16_t>(static_cast<std::uint8_t>(HighByte) << 8 | static_cast<std::uint8_t>(LowByte));
  const LinkResult<double> value = read(address, Length, Divisor);
  if (!value && value.failure() == LinkFailure::ReadTimedOut && !abandoned_) {
    showCommunicationsError();
    stopMonitor();
  }
  Value = value ? *value : kFailedRead;
}

double Link::readAddress(std::uint16_t address, std::int16_t length, std::int16_t divisor) {
  auto high = static_cast<std::int16_t>(address >> 8);
  auto low = static_cast<std::int16_t>(address & 0xFF);
  double value = 0;
  ReadAddress(high, low, length, divisor, value);
  return value;
}

} // namespace orvane
