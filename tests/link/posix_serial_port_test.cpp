#include "fakes/pty_line.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <thread>
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

std::vector<std::uint8_t> receiveAtLeast(PosixSerialPort& port, std::size_t count) {
  for (int attempt = 0; attempt < 20 && port.bytesReceived() < count; ++attempt)
    port.waitForInput(100ms);
  return port.readAll();
}

TEST(PosixSerialPort, lineIsRawBothWaysAndThePortReopens) {
  PtyPair pty;
  PosixSerialPort port;
  const std::vector<std::uint8_t> awkward{0x11, 0x13, 0x0D, 0x0A, 0xFF, 0x03, 0x04, 0x7F, 0x00, 0x1A};
  for (int round = 0; round < 3; ++round) {
    port.open();
    EXPECT_TRUE(port.isOpen());
    pty.write(awkward);
    EXPECT_EQ(receiveAtLeast(port, awkward.size()), awkward);
    port.send(awkward);
    EXPECT_EQ(pty.read(awkward.size()), awkward);
    port.close();
    EXPECT_FALSE(port.isOpen());
  }
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
  testing::PtyLine line;
  line.port.open();
  pty.write(std::vector<std::uint8_t>(3000, 0x55));
  std::this_thread::sleep_for(50ms);
  line.link.discardInput();
  EXPECT_EQ(line.port.bytesReceived(), 0u);
}

TEST(PosixSerialPort, waitingSleepsInsteadOfSpinning) {
  PtyPair pty;
  PosixSerialPort port;
  port.open();
  const std::clock_t cpuBefore = std::clock();
  const auto start = std::chrono::steady_clock::now();
  port.waitForInput(300ms);
  EXPECT_GE(std::chrono::steady_clock::now() - start, 290ms);
  EXPECT_LT(static_cast<double>(std::clock() - cpuBefore) / CLOCKS_PER_SEC, 0.03);
}

long voluntarySwitchesOfThisThread() {
  rusage usage{};
  getrusage(RUSAGE_THREAD, &usage);
  return usage.ru_nvcsw;
}

struct ReplyWait {
  long wakes = 0;
  std::chrono::nanoseconds lateness{};
  std::size_t received = 0;
};

// Sends a 2-byte request and waits, as the link does, for a reply that a
// drive thread sends after `answerDelay`, a byte per character time at 4800 baud.
ReplyWait awaitPacedReply(PtyPair& pty, PosixSerialPort& port, std::size_t length,
                          std::chrono::microseconds answerDelay) {
  constexpr auto kCharacter = 2291us;
  port.readAll();
  const auto start = std::chrono::steady_clock::now();
  port.send(std::vector<std::uint8_t>{0x05, 0x06});
  std::chrono::steady_clock::time_point lastByteSent;
  std::thread drive([&] {
    auto due = start + 2 * kCharacter + answerDelay; // the request leaves the line first
    for (std::size_t index = 0; index < length; ++index) {
      due += kCharacter;
      std::this_thread::sleep_until(due);
      pty.write({static_cast<std::uint8_t>(index)});
    }
    lastByteSent = std::chrono::steady_clock::now();
  });

  const long switchesBefore = voluntarySwitchesOfThisThread();
  const auto deadline = start + 2s;
  std::size_t received = 0;
  while ((received = port.bytesReceived()) < length && std::chrono::steady_clock::now() < deadline)
    port.waitForInput(deadline - std::chrono::steady_clock::now(), length - received);
  const auto seen = std::chrono::steady_clock::now();
  ReplyWait wait{voluntarySwitchesOfThisThread() - switchesBefore, {}, port.readAll().size()};
  drive.join();
  wait.lateness = seen - lastByteSent;
  return wait;
}

// A drive's reply at 4800 baud comes a byte at a time. Waking for each byte
// costs a context switch apiece; sleeping past the last one delays every
// transaction. The wait must do neither.
TEST(PosixSerialPort, aPacedReplyIsWaitedForInAFewWakesAndSeenAsSoonAsItIsComplete) {
  PtyPair pty;
  PosixSerialPort port;
  port.open();
  const ReplyWait wait = awaitPacedReply(pty, port, 24, 0us);
  EXPECT_EQ(wait.received, 24u);
  EXPECT_LE(wait.wakes, 8) << "woke for each byte";
  EXPECT_LT(wait.lateness, 10ms) << "slept past the end of the reply";
}

// A drive that always takes a few milliseconds to answer: once that is
// learnt, a reply costs a wake or two, not one for the start and more after.
TEST(PosixSerialPort, aDrivesUsualAnswerDelayIsSleptOut) {
  PtyPair pty;
  PosixSerialPort port;
  port.open();
  awaitPacedReply(pty, port, 10, 5000us);
  long wakes = 0;
  for (int reply = 0; reply < 6; ++reply) {
    const ReplyWait wait = awaitPacedReply(pty, port, 10, 5000us);
    ASSERT_EQ(wait.received, 10u);
    EXPECT_LT(wait.lateness, 10ms) << "slept past the end of reply " << reply;
    wakes += wait.wakes;
  }
  EXPECT_LE(wakes, 18) << "the answer delay was not learnt";
}

} // namespace
} // namespace orvane
