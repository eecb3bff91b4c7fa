#pragma once

#include "platform/thread_owner.h"
#include "platform/wakeup.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace orvane {

// Raised by SerialPort::open when the device cannot be opened or set up. The
// reason says why and what to do, in one or more lines. The handler of the
// user's command reports it and leaves the session stopped.
class PortOpenError : public std::runtime_error {
public:
  PortOpenError(std::string device, std::string reason)
      : std::runtime_error("Cannot open " + device + ": " + reason), device_(std::move(device)),
        reason_(std::move(reason)) {}
  const std::string& device() const { return device_; }
  const std::string& reason() const { return reason_; }

private:
  std::string device_;
  std::string reason_;
};

// The serial line to the drive: port 1 or 2, 4800 baud 8-E-1, a receive buffer
// of 1024 bytes that the caller counts and empties.
class SerialPort {
public:
  static constexpr std::size_t kReceiveBufferSize = 1024;

  virtual ~SerialPort() = default;

  // Port 1 or 2; takes effect at the next open.
  virtual void setPortNumber(int number) = 0;
  virtual int portNumber() const = 0;

  virtual void open() = 0; // throws PortOpenError
  virtual void close() = 0;
  virtual bool isOpen() const = 0;

  virtual void send(std::span<const std::uint8_t> bytes) = 0;
  // Number of bytes received and not yet read.
  virtual std::size_t bytesReceived() = 0;
  // Reads and removes everything received so far.
  virtual std::vector<std::uint8_t> readAll() = 0;
  // Sleeps until at least `wanted` more bytes may have arrived, or the
  // timeout has passed. Never spins: a real port sleeps on the device.
  virtual void waitForInput(std::chrono::nanoseconds timeout, std::size_t wanted = 1) = 0;
  // A signal that ends waitForInput at once when raised from another thread.
  // A port whose waits never block on a device may ignore it.
  virtual void setWakeup(Wakeup* wakeup) { (void)wakeup; }

  // One thread uses a port: the first that calls it, or the link's once it takes the port over.
  virtual void takeOver() { owner_.takeOver(); }

protected:
  void checkThread(const char* call) const { owner_.check(call); }

private:
  ThreadOwner owner_;
};

} // namespace orvane
