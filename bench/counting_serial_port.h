#pragma once

#include "platform/serial_port.h"

namespace orvane::bench {

// Counts the bytes that cross the line through another port.
class CountingSerialPort final : public SerialPort {
public:
  explicit CountingSerialPort(SerialPort& port) : port_(port) {}

  void setPortNumber(int number) override { port_.setPortNumber(number); }
  int portNumber() const override { return port_.portNumber(); }
  void open() override { port_.open(); }
  void close() override { port_.close(); }
  bool isOpen() const override { return port_.isOpen(); }
  void setInputMode(InputMode mode) override { port_.setInputMode(mode); }
  InputMode inputMode() const override { return port_.inputMode(); }
  void send(std::span<const std::uint8_t> bytes) override {
    sent += static_cast<long>(bytes.size());
    ++frames;
    port_.send(bytes);
  }
  std::size_t bytesReceived() override { return port_.bytesReceived(); }
  std::vector<std::uint8_t> readAll() override {
    std::vector<std::uint8_t> bytes = port_.readAll();
    received += static_cast<long>(bytes.size());
    return bytes;
  }
  void waitForInput(std::chrono::nanoseconds timeout, std::size_t wanted) override {
    port_.waitForInput(timeout, wanted);
  }
  void setWakeup(Wakeup* wakeup) override { port_.setWakeup(wakeup); }

  long sent = 0;
  long received = 0;
  long frames = 0;

private:
  SerialPort& port_;
};

} // namespace orvane::bench
