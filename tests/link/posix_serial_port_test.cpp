#include "fakes/recording_message_boxes.h"
#include "link/link.h"
#include "platform/posix_serial_port.h"
#include "platform/steady_clock.h"

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
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

// The reason's first line; the lines after it advise, from what this machine has.
std::string openFailure(const std::string& device) {
  setenv("ORVANE_PORT2", device.c_str(), 1);
  PosixSerialPort port;
  port.setPortNumber(2);
  try {
    port.open();
  } catch (const PortOpenError& error) {
    return error.reason().substr(0, error.reason().find('\n'));
  }
  return "opened";
}

TEST(PosixSerialPort, aPortThatCannotBeOpenedSaysWhyAndAHeldOneNamesItsHolderUntilLetGo) {
  EXPECT_EQ(openFailure("/dev/ttyUSB-unplugged"), "There is no such device.");
  EXPECT_EQ(openFailure("/dev/null"), "Inappropriate ioctl for device");

  PtyPair pty;
  const std::string device = getenv("ORVANE_PORT1");
  int ready[2];
  ASSERT_EQ(pipe(ready), 0);
  const pid_t holder = fork();
  if (holder == 0) { // another program holding the port by its flock alone (it writes no lock file)
    PosixSerialPort port(device, "/nonexistent");
    port.open();
    if (::write(ready[1], "x", 1) == 1)
      pause();
    _exit(0);
  }
  char signal;
  ASSERT_EQ(::read(ready[0], &signal, 1), 1);
  EXPECT_EQ(openFailure(device),
            "The port is in use by another program (link_tests, process " + std::to_string(holder) + ").");
  kill(holder, SIGTERM);
  waitpid(holder, nullptr, 0);
  EXPECT_EQ(openFailure(device), "opened");
}

// Another program's lock file keeps the port from being opened while that program runs; once it has
// ended, the port is taken and held exclusively, the lock file naming this process until the close.
TEST(PosixSerialPort, aRunningProgramsLockFileKeepsThePortAndTheOpenPortIsHeldExclusively) {
  std::string folder = ::testing::TempDir() + "/locks-XXXXXX";
  ASSERT_NE(mkdtemp(folder.data()), nullptr);
  PtyPair pty;
  const std::string device = getenv("ORVANE_PORT1");
  const std::string lockFile = folder + "/" + uucpLockName(device);
  const auto lockOf = [](pid_t process) {
    return (std::string(10, ' ') + std::to_string(process)).substr(std::to_string(process).size()) + "\n";
  };
  const auto lockText = [&lockFile] {
    return std::string(std::istreambuf_iterator(std::ifstream(lockFile).rdbuf()), {});
  };
  const int watcher = ::open(device.c_str(), O_RDWR | O_NOCTTY);
  auto exclusive = [watcher, mode = 0]() mutable { return ioctl(watcher, TIOCGEXCL, &mode) == 0 && mode == 1; };
  PosixSerialPort port(device, folder);

  std::ofstream(lockFile) << lockOf(getppid());
  EXPECT_THROW(port.open(), PortOpenError);
  EXPECT_EQ(lockText(), lockOf(getppid()));

  const pid_t ended = fork();
  if (ended == 0)
    _exit(0);
  waitpid(ended, nullptr, 0);
  std::ofstream(lockFile) << lockOf(ended);
  port.open();
  EXPECT_EQ(lockText(), lockOf(getpid()));
  EXPECT_TRUE(exclusive());
  port.close();
  EXPECT_FALSE(std::filesystem::exists(lockFile));
  EXPECT_FALSE(exclusive());
  ::close(watcher);
  std::filesystem::remove(folder);
}

// A pty drops parity, so the request itself is checked, from a line that
// starts cooked, with flow control, odd parity, 7 bits, 2 stop bits at 9600.
TEST(PosixSerialPort, theLineAskedForIsRaw4800Baud8E1WithoutFlowControl) {
  termios cooked{};
  cooked.c_iflag = IXON | IXOFF | ICRNL | INLCR | IGNCR | ISTRIP;
  cooked.c_oflag = OPOST | ONLCR;
  cooked.c_lflag = ICANON | ECHO | ISIG | IEXTEN;
  cooked.c_cflag = CS7 | CSTOPB | PARENB | PARODD | CRTSCTS;
  cfsetspeed(&cooked, B9600);
  const termios line = requestedLineSettings(cooked);
  const std::pair<const char*, bool> rules[] = {
      {"4800 baud in", cfgetispeed(&line) == B4800},
      {"4800 baud out", cfgetospeed(&line) == B4800},
      {"8 data bits", (line.c_cflag & CSIZE) == CS8},
      {"even parity", (line.c_cflag & (PARENB | PARODD)) == PARENB},
      {"1 stop bit", (line.c_cflag & CSTOPB) == 0},
      {"no hardware flow control", (line.c_cflag & CRTSCTS) == 0},
      {"no software flow control", (line.c_iflag & (IXON | IXOFF | IXANY)) == 0},
      {"input bytes untouched", (line.c_iflag & (ICRNL | INLCR | IGNCR | ISTRIP)) == 0},
      {"output bytes untouched", (line.c_oflag & OPOST) == 0},
      {"no line editing, echo or signals", (line.c_lflag & (ICANON | ECHO | ISIG | IEXTEN)) == 0},
  };
  for (const auto& [rule, holds] : rules)
    EXPECT_TRUE(holds) << rule;
}

// More than the port's 1024-byte buffer waits: discarding takes all of it.
TEST(PosixSerialPort, discardingTheReceiveBufferTakesEverythingTheDriveSent) {
  PtyPair pty;
  PosixSerialPort port;
  SteadyClock clock;
  testing::RecordingMessageBoxes messages;
  testing::CountingBeeper beeper;
  Platform platform{port, clock, messages, beeper};
  Link link{platform};
  port.open();
  pty.write(std::vector<std::uint8_t>(3000, 0x55));
  // The pty hands one write over whole: once the port's buffer is full, the rest waits behind it.
  while (port.bytesReceived() < SerialPort::kReceiveBufferSize)
    port.waitForInput(1s, SerialPort::kReceiveBufferSize);
  link.discardInput();
  // Nothing of it comes in with the next reply either.
  port.waitForInput(20ms);
  EXPECT_EQ(port.bytesReceived(), 0u);
}

} // namespace
} // namespace orvane
