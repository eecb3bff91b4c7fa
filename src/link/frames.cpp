#include "link/frames.h"

namespace orvane {

Bytes commandFrame(std::uint8_t command, std::uint16_t payloadLength) {
  const auto low = static_cast<std::uint8_t>(payloadLength & 0xFF);
  const auto high = static_cast<std::uint8_t>(payloadLength >> 8);
  return {0x01, command, low, high, static_cast<std::uint8_t>(command ^ low ^ high)};
}

Bytes dataFrame(std::span<const std::uint8_t> payload) {
  Bytes frame;
  frame.reserve(payload.size() + 2);
  frame.push_back(0x02);
  std::uint8_t checksum = 0;
  for (const std::uint8_t byte : payload) {
    frame.push_back(byte);
    checksum ^= byte;
  }
  frame.push_back(checksum);
  return frame;
}

Bytes readRequestPayload(std::uint8_t count, std::uint8_t addressLow, std::uint8_t addressHigh) {
  return {count, addressLow, addressHigh};
}

std::uint32_t assembleValue(std::span<const std::uint8_t> reply, int length) {
  if (length < 1 || length > 4 || reply.size() < static_cast<std::size_t>(length) + 1)
    return 0;
  std::uint32_t value = 0;
  for (int index = 1; index <= length; ++index)
    value = (value << 8) | reply[static_cast<std::size_t>(index)];
  return value;
}

} // namespace orvane
