#include "fakes/drive_sim_process.h"
#include "fakes/recording_message_boxes.h"
#include "link/link.h"
#include "platform/posix_serial_port.h"
#include "platform/steady_clock.h"

#include <gtest/gtest.h>
#include <stdlib.h>

namespace orvane {
namespace {

using namespace std::chrono_literals;
using testing::CountingBeeper;
using testing::DriveSimProcess;
using testing::RecordingMessageBoxes;

// The real port and clock against drive-sim on a pseudo-terminal.
class ReadAddressOverPty : public ::testing::Test {
protected:
  void connect(const std::vector<std::string>& simulatorArguments) {
    simulator = std::make_unique<DriveSimProcess>(simulatorArguments);
    setenv("ORVANE_PORT1", simulator->devicePath().c_str(), 1);
    port.open();
    link.setStopMonitor([this] { ++stops; });
  }

  std::unique_ptr<DriveSimProcess> simulator;
  PosixSerialPort port;
  SteadyClock clock;
  RecordingMessageBoxes messages;
  CountingBeeper beeper;
  Platform platform{port, clock, messages, beeper};
  Link link{platform};
  int stops = 0;
};

TEST_F(ReadAddressOverPty, readsTheModelCodeUnpaced) {
  connect({"--model", "profi"});
  EXPECT_EQ(link.readAddress(0x03F4, 1, 1), 1.0);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ReadAddressOverPty, pacedAt4800BaudATransactionTakesItsWireTime) {
  connect({"--model", "mk410", "--baud", "4800"});
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(link.readAddress(0x03F4, 2, 1), 0.0);
  const auto took = std::chrono::steady_clock::now() - start;
  // 11 host bytes and 10 drive bytes at 11 bits a byte: 48.1 ms on the wire.
  EXPECT_GE(took, 48ms);
  EXPECT_LT(took, 1000ms);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ReadAddressOverPty, silentDriveFailsAfterAboutTwoSeconds) {
  connect({"--model", "mk410", "--fault", "silent-from-start"});
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(link.readAddress(0x03F4, 1, 1), 9999.0);
  const auto took = std::chrono::steady_clock::now() - start;
  EXPECT_GE(took, 2000ms);
  EXPECT_LT(took, 3500ms); // the time-out, with room for a busy machine
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, "Communications Error");
  EXPECT_EQ(stops, 1);
}

TEST_F(ReadAddressOverPty, driveThatVanishesFailsLikeASilentOne) {
  connect({"--model", "mk410"});
  EXPECT_EQ(link.readAddress(0x03F4, 1, 1), 0.0);
  simulator->kill();
  const std::clock_t cpuBefore = std::clock();
  EXPECT_EQ(link.readAddress(0x03F4, 1, 1), 9999.0);
  EXPECT_LT(static_cast<double>(std::clock() - cpuBefore) / CLOCKS_PER_SEC, 0.2);
  EXPECT_EQ(stops, 1);
}

} // namespace
} // namespace orvane
