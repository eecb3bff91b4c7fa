#include "platform/posix_serial_port.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

namespace orvane {
namespace {

using namespace std::chrono_literals;

// A pty pair whose slave the port opens as "Communications Port 1".
class PtyPair {
public:
  PtyPair() {
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    grantpt(master_);
    unlockpt(master_);
    setenv("ORVANE_PORT1", ptsname(master_), 1);
  }
  ~PtyPair() { close(master_); }

  void write(const std::vector<std::uint8_t>& bytes) {
    ASSERT_EQ(::write(master_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
  }
  std::vector<std::uint8_t> read(std::size_t count) {
    std::vector<std::uint8_t> bytes;
    pollfd readable{master_, POLLIN, 0};
    while (bytes.size() < count && poll(&readable, 1, 1000) > 0) {
      std::uint8_t chunk[64];
      const ssize_t got = ::read(master_, chunk, sizeof chunk);
      if (got <= 0)
        break;
      bytes.insert(bytes.end(), chunk, chunk + got);
    }
    return bytes;
  }

private:
  int master_ = -1;
};

TEST(PosixSerialPort, lineIsRawBothWaysAndThePortReopens) {
  PtyPair pty;
  PosixSerialPort port;
  const std::vector<std::uint8_t> awkward{0x11, 0x13, 0x0D, 0x0A, 0xFF, 0x03, 0x04, 0x7F, 0x00, 0x1A};
  for (int round = 0; round < 3; ++round) {
    port.open();
    pty.write(awkward);
    for (int wait = 0; wait < 20 && port.bytesReceived() < awkward.size(); ++wait)
      port.waitForInput(100ms);
    EXPECT_EQ(port.readAll(), awkward);
    port.send(awkward);
    EXPECT_EQ(pty.read(awkward.size()), awkward);
    port.close();
    EXPECT_FALSE(port.isOpen());
  }
}

std::string openFailure(const char* device) {
  setenv("ORVANE_PORT2", device, 1);
  PosixSerialPort port;
  port.setPortNumber(2);
  try {
    port.open();
  } catch (const PortOpenError& error) {
    EXPECT_EQ(error.device(), device);
    return error.reason();
  }
  return "opened";
}

TEST(PosixSerialPort, aPortThatCannotBeOpenedGivesTheSystemsReasonAndAHeldOneIsBusyUntilLetGo) {
  EXPECT_EQ(openFailure("/dev/ttyUSB-unplugged"), "No such file or directory");
  EXPECT_EQ(openFailure("/dev/null"), "Inappropriate ioctl for device");

  PtyPair pty;
  PosixSerialPort holder;
  holder.open();
  const std::string device = getenv("ORVANE_PORT1");
  EXPECT_EQ(openFailure(device.c_str()), "the port is in use by another program");
  holder.close();
  EXPECT_EQ(openFailure(device.c_str()), "opened");
}

} // namespace
} // namespace orvane
