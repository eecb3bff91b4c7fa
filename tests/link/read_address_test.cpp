#include "fakes/fake_line.h"
#include "link/link.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

using namespace std::chrono_literals;

class ReadAddressTest : public ::testing::Test, protected testing::FakeLine {
protected:
  ReadAddressTest() {
    port.open();
    link.setStopMonitor([this] { ++stops; });
  }

  void queueRead(const Bytes& value) {
    port.queueReply({0x00});
    port.queueReply({0x00, 0x00, 0x00, 0x00, 0x00});
    Bytes reply{0xAA};
    reply.insert(reply.end(), value.begin(), value.end());
    reply.push_back(0xBB);
    port.queueReply(reply);
  }

  void expectFailureReported() {
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(messages.shown[0].title, "Communications Error");
    EXPECT_EQ(messages.shown[0].text, "An error has occured while communicating.\nPlease check the Inverter is "
                                      "powered up and all cables are correct.");
    EXPECT_EQ(stops, 1);
  }

  int stops = 0;
};

TEST_F(ReadAddressTest, twoByteReadPutsTheWorkedFramesOnTheWireAndScalesTheValue) {
  queueRead({0x13, 0x88});
  std::int16_t high = 0xFC, low = 0x04, length = 2, divisor = 100;
  double value = 0;
  link.ReadAddress(high, low, length, divisor, value);
  EXPECT_DOUBLE_EQ(value, 50.0);
  ASSERT_EQ(port.sends.size(), 3u);
  EXPECT_EQ(port.sends[0], (Bytes{0x01, 0x05, 0x03, 0x00, 0x06}));
  EXPECT_EQ(port.sends[1], (Bytes{0x02, 0x02, 0x04, 0xFC, 0xFA}));
  EXPECT_EQ(port.sends[2], (Bytes{0x06}));
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(stops, 0);
  queueRead({0xFF, 0xFF, 0xFF, 0xFF});
  EXPECT_DOUBLE_EQ(link.readAddress(0x0400, 4, 1), 4294967295.0);
}

TEST_F(ReadAddressTest, leftoverBytesAreDiscardedBeforeTheCommandFrame) {
  port.preload({0x13, 0x88, 0x77, 0x66, 0x55, 0x44, 0x33});
  queueRead({0x01, 0xF4});
  EXPECT_DOUBLE_EQ(link.readAddress(0xFC04, 2, 100), 5.0);
}

TEST_F(ReadAddressTest, silentDriveFailsEachWaitAfterTwoSecondsOfClockTime) {
  for (int silentWait = 0; silentWait < 3; ++silentWait) {
    SCOPED_TRACE(silentWait);
    messages.shown.clear();
    stops = 0;
    if (silentWait >= 1)
      port.queueReply({0x00});
    if (silentWait >= 2)
      port.queueReply({0x00, 0x00, 0x00, 0x00, 0x00});
    port.queueReply({}); // the silent answer
    const Clock::Duration clockStart = clock.now();
    EXPECT_EQ(link.readAddress(0xFC04, 2, 100), 9999.0);
    EXPECT_GT(clock.now() - clockStart, 2s);
    EXPECT_LT(clock.now() - clockStart, 2010ms);
    expectFailureReported();
    EXPECT_EQ(port.sends.size(), static_cast<std::size_t>(silentWait + 1));
    port.sends.clear();
    port.readAll();
  }
}

TEST_F(ReadAddressTest, eachWaitHasItsOwnBudget) {
  port.queueReply({0x00}, 1900ms);
  port.queueReply({0x00, 0x00, 0x00, 0x00, 0x00}, 1900ms);
  port.queueReply({0xAA, 0x13, 0x88, 0xBB}, 1900ms);
  EXPECT_DOUBLE_EQ(link.readAddress(0xFC04, 2, 100), 50.0);
}

} // namespace
} // namespace orvane
