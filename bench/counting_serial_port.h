#pragma once

#include "platform/forwarding_serial_port.h"

namespace orvane::bench {

// Counts the bytes that cross the line through another port.
class CountingSerialPort final : public ForwardingSerialPort {
public:
  using ForwardingSerialPort::ForwardingSerialPort;

  void send(std::span<const std::uint8_t> bytes) override {
    sent += static_cast<long>(bytes.size());
    ++frames;
    ForwardingSerialPort::send(bytes);
  }
  std::vector<std::uint8_t> readAll() override {
    std::vector<std::uint8_t> bytes = ForwardingSerialPort::readAll();
    received += static_cast<long>(bytes.size());
    return bytes;
  }

  long sent = 0;
  long received = 0;
  long frames = 0;
};

} // namespace orvane::bench
