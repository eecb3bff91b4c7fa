#include "fakes/fake_line.h"
#include "link/panel_exchanges.h"

#include <gtest/gtest.h>

namespace orvane::testing {
namespace {

using namespace std::chrono_literals;

// The link's exchanges against replies queued on the fake line: one reply a
// frame, each after its delay.
class ExchangeTest : public ::testing::Test, protected FakeLine {
protected:
  ExchangeTest() {
    port.open();
    link.setStopMonitor([this] { ++stops; });
  }

  void queueExchange(const Bytes& final, Clock::Duration delay = {}) {
    port.queueReply({0x00}, delay);
    port.queueReply(Bytes(5, 0x00), delay);
    port.queueReply(final, delay);
  }
  void queueRead(const Bytes& value) {
    Bytes reply{0xAA};
    reply.insert(reply.end(), value.begin(), value.end());
    reply.push_back(0xBB);
    queueExchange(reply);
  }

  PanelExchanges panel{link};
  int stops = 0;
};

TEST_F(ExchangeTest, twoByteReadPutsTheWorkedFramesOnTheWireAndScalesTheValue) {
  queueRead({0x13, 0x88});
  std::int16_t high = 0xFC, low = 0x04, length = 2, divisor = 100;
  double value = 0;
  link.ReadAddress(high, low, length, divisor, value);
  EXPECT_DOUBLE_EQ(value, 50.0);
  EXPECT_EQ(port.sends,
            (std::vector<Bytes>{{0x01, 0x05, 0x03, 0x00, 0x06}, {0x02, 0x02, 0x04, 0xFC, 0xFA}, {0x06}}));
  EXPECT_EQ(stops, 0);
}

TEST_F(ExchangeTest, valuesOfOneToFourBytesAreBigEndianAndLeftoverBytesAreDiscardedFirst) {
  const std::tuple<Bytes, std::int16_t, double> reads[] = {{{0x7F}, 1, 127},
                                                           {{0x01, 0x86, 0xA0}, 3, 100000},
                                                           {{0x00, 0x01, 0x86, 0xA0}, 4, 100000},
                                                           {{0xFF, 0xFF, 0xFF, 0xFF}, 4, 4294967295.0}};
  for (const auto& [value, length, expected] : reads) {
    port.preload({0x13, 0x88, 0x77});
    queueRead(value);
    EXPECT_DOUBLE_EQ(link.readAddress(0x0400, length, 1), expected);
  }
}

TEST_F(ExchangeTest, silentDriveFailsEachWaitAfterTwoSecondsWithTheMessageAndAStop) {
  for (int silentWait = 0; silentWait < 3; ++silentWait) {
    SCOPED_TRACE(silentWait);
    if (silentWait >= 1)
      port.queueReply({0x00});
    if (silentWait >= 2)
      port.queueReply(Bytes(5, 0x00));
    port.queueReply({}); // the silent answer
    const Clock::Duration start = clock.now();
    EXPECT_EQ(link.readAddress(0xFC04, 2, 100), 9999.0);
    EXPECT_GT(clock.now() - start, 2s);
    EXPECT_LT(clock.now() - start, 2010ms);
    EXPECT_EQ(port.sends.size(), static_cast<std::size_t>(silentWait + 1));
    port.sends.clear();
    port.readAll();
  }
  ASSERT_EQ(messages.shown.size(), 3u);
  EXPECT_EQ(messages.shown[0].icon, MessageIcon::Exclamation);
  EXPECT_EQ(messages.shown[0].title, "Communications Error");
  EXPECT_EQ(messages.shown[0].text, "An error has occured while communicating.\nPlease check the Inverter is "
                                    "powered up and all cables are correct.");
  EXPECT_EQ(stops, 3);
}

TEST_F(ExchangeTest, eachWaitOfAReadHasItsOwnTwoSecondsButThePanelBlocksShareThem) {
  port.queueReply({0x00}, 1900ms);
  port.queueReply(Bytes(5, 0x00), 1900ms);
  port.queueReply({0xAA, 0x13, 0x88, 0xBB}, 1900ms);
  EXPECT_DOUBLE_EQ(link.readAddress(0xFC04, 2, 100), 50.0);

  Bytes block;
  std::int16_t OK = 0;
  queueExchange(Bytes(38, 0x20), 600ms);
  panel.ReadPanelBlock(block, OK);
  EXPECT_EQ(OK, 0);
  EXPECT_EQ(port.sends.back(), Bytes{0x06});
  EXPECT_EQ(port.sends[port.sends.size() - 3], (Bytes{0x01, 0x24, 0x03, 0x00, 0x27}));
  queueExchange(Bytes(38, 0x20), 800ms);
  block.clear();
  panel.ReadPanelBlock(block, OK);
  EXPECT_EQ(OK, 1);
  EXPECT_TRUE(block.empty());
  EXPECT_EQ(beeper.beeps, 1);
  EXPECT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(stops, 0);
}

TEST_F(ExchangeTest, displayTextWaitsForNineteenBytesAndShortRepliesGiveWhatThereIs) {
  queueExchange(Bytes(18, 'A'));
  std::int16_t OK = 0;
  EXPECT_FALSE(panel.readDisplayText(OK));
  EXPECT_EQ(OK, 1);
  EXPECT_EQ(beeper.beeps, 1);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(textOfDisplayReply(Bytes{0x00, '/', 'H'}), "/H");
}

} // namespace
} // namespace orvane::testing
