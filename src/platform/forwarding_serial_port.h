#pragma once

#include "platform/serial_port.h"

namespace orvane {

// A port that hands every call on to another one; a subclass overrides the calls it wants to
// watch, counting bytes or waits, say, and still forwards them.
class ForwardingSerialPort : public SerialPort {
public:
  explicit ForwardingSerialPort(SerialPort& port) : port_(port) {}

  void setPortNumber(int number) override { port_.setPortNumber(number); }
  int portNumber() const override { return port_.portNumber(); }
  void open() override { port_.open(); }
  void close() override { port_.close(); }
  bool isOpen() const override { return port_.isOpen(); }
  void send(std::span<const std::uint8_t> bytes) override { port_.send(bytes); }
  std::size_t bytesReceived() override { return port_.bytesReceived(); }
  std::vector<std::uint8_t> readAll() override { return port_.readAll(); }
  void waitForInput(std::chrono::nanoseconds timeout, std::size_t wanted) override {
    port_.waitForInput(timeout, wanted);
  }
  void setWakeup(Wakeup* wakeup) override { port_.setWakeup(wakeup); }
  void takeOver() override { port_.takeOver(); }

private:
  SerialPort& port_;
};

} // namespace orvane
