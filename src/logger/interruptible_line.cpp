#include "logger/interruptible_line.h"

#include <algorithm>

namespace orvane {

void InterruptiblePort::send(std::span<const std::uint8_t> bytes) {
  if (stop_.stopRequested())
    throw StopRequested{};
  port_.send(bytes);
}

void InterruptiblePort::waitForInput(std::chrono::nanoseconds timeout, std::size_t wanted) {
  if (stop_.stopRequested())
    throw StopRequested{};
  port_.waitForInput(std::min<std::chrono::nanoseconds>(timeout, kLongestPiece), wanted);
  if (stop_.stopRequested())
    throw StopRequested{};
}

void InterruptibleClock::sleepFor(Duration duration) {
  if (stop_.waitFor(duration))
    throw StopRequested{};
}

} // namespace orvane
