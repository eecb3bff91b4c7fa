#pragma once

#include "platform/serial_port.h"
#include "platform/uucp_lock.h"

#include <optional>
#include <termios.h>

namespace orvane {

// What the port asks of the line, starting from its `current` settings: raw,
// 4800 baud, 8 data bits, even parity, 1 stop bit, no flow control.
termios requestedLineSettings(termios current);

// A serial port over a POSIX terminal device, set raw at 4800 baud 8-E-1. While open it is this
// program's alone: a UUCP lock file in `lockFolder`, an flock and the terminal's exclusive mode
// keep every other program out, whichever of the three conventions it follows.
class PosixSerialPort final : public SerialPort {
public:
  PosixSerialPort() = default;
  // A port that opens `device` whatever its port number.
  explicit PosixSerialPort(std::string device, std::string lockFolder = kUucpLockFolder)
      : fixedDevice_(std::move(device)), lock_(std::move(lockFolder)) {}
  ~PosixSerialPort() override;
  PosixSerialPort(const PosixSerialPort&) = delete;
  PosixSerialPort& operator=(const PosixSerialPort&) = delete;

  void setPortNumber(int number) override {
    checkThread("PosixSerialPort::setPortNumber");
    portNumber_ = number;
  }
  int portNumber() const override {
    checkThread("PosixSerialPort::portNumber");
    return portNumber_;
  }

  void open() override;
  void close() override;
  bool isOpen() const override {
    checkThread("PosixSerialPort::isOpen");
    return fd_ >= 0;
  }

  void send(std::span<const std::uint8_t> bytes) override;
  std::size_t bytesReceived() override;
  std::vector<std::uint8_t> readAll() override;
  void waitForInput(std::chrono::nanoseconds timeout, std::size_t wanted = 1) override;
  void setWakeup(Wakeup* wakeup) override { wakeup_ = wakeup; }

private:
  void closeDevice();
  void configureLine(const std::string& device);
  void drainDevice();
  // Sleeps until the time, or less when the wakeup is raised.
  void sleepUntil(std::chrono::steady_clock::time_point time);

  std::string fixedDevice_;
  UucpLock lock_{kUucpLockFolder};
  int portNumber_ = 1;
  int fd_ = -1;
  std::optional<termios> savedSettings_;
  std::vector<std::uint8_t> received_;
  // The last read found the device empty, and the port has neither slept nor
  // sent since: the link asks for what has come several times between two
  // waits, and only a wait lets the drive's next byte in.
  bool emptyAtLastRead_ = false;
  // When the bytes last sent will have left the line, what has come back
  // since, and how long the drive has lately taken to begin its answer.
  std::chrono::steady_clock::time_point sentUntil_;
  std::size_t receivedSinceSend_ = 0;
  std::chrono::microseconds answerDelay_{0};
  Wakeup* wakeup_ = nullptr;
};

} // namespace orvane
