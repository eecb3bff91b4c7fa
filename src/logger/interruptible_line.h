#pragma once

#include "logger/stop_wait.h"
#include "platform/beeper.h"
#include "platform/message_boxes.h"
#include "platform/serial_port.h"

namespace orvane {

// Thrown out of a wait of the link once a stop is asked, so that the exchange under way is given up.
struct StopRequested {};

// The real port, with every wait for a reply cut into pieces of at most 100 ms and given up when a
// stop is asked; each piece still sleeps on the device.
class InterruptiblePort final : public SerialPort {
public:
  static constexpr Clock::Duration kLongestPiece = std::chrono::milliseconds(100);

  InterruptiblePort(SerialPort& port, const StopWait& stop) : port_(port), stop_(stop) {}

  void setPortNumber(int number) override { port_.setPortNumber(number); }
  int portNumber() const override { return port_.portNumber(); }
  void open() override { port_.open(); }
  void close() override { port_.close(); }
  bool isOpen() const override { return port_.isOpen(); }
  void setInputMode(InputMode mode) override { port_.setInputMode(mode); }
  InputMode inputMode() const override { return port_.inputMode(); }
  void send(std::span<const std::uint8_t> bytes) override;
  std::size_t bytesReceived() override { return port_.bytesReceived(); }
  std::vector<std::uint8_t> readAll() override { return port_.readAll(); }
  void waitForInput(std::chrono::nanoseconds timeout, std::size_t wanted = 1) override;

private:
  SerialPort& port_;
  const StopWait& stop_;
};

// The clock, with the link's pauses given up when a stop is asked.
class InterruptibleClock final : public Clock {
public:
  InterruptibleClock(Clock& clock, StopWait& stop) : clock_(clock), stop_(stop) {}
  Duration now() const override { return clock_.now(); }
  void sleepFor(Duration duration) override;

private:
  Clock& clock_;
  StopWait& stop_;
};

// Nobody is at the screen: the logger says what went wrong in its own status lines.
class UnattendedMessageBoxes final : public MessageBoxes {
public:
  MessageAnswer show(MessageIcon, MessageButtons buttons, const std::string&, const std::string&) override {
    return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
  }
};

class SilentBeeper final : public Beeper {
public:
  void beep() override {}
};

} // namespace orvane
