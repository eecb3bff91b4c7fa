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
  ExchangeTest() { port.open(); }

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
};

TEST_F(ExchangeTest, twoByteReadPutsTheWorkedFramesOnTheWireAndScalesTheValue) {
  queueRead({0x13, 0x88});
  EXPECT_DOUBLE_EQ(*link.read(0xFC04, 2, 100), 50.0);
  EXPECT_EQ(port.sends,
            (std::vector<Bytes>{{0x01, 0x05, 0x03, 0x00, 0x06}, {0x02, 0x02, 0x04, 0xFC, 0xFA}, {0x06}}));
}

TEST_F(ExchangeTest, valuesOfOneToFourBytesAreBigEndianAndLeftoverBytesAreDiscardedFirst) {
  const std::tuple<Bytes, std::int16_t, double> reads[] = {{{0x7F}, 1, 127},
                                                           {{0x01, 0x86, 0xA0}, 3, 100000},
                                                           {{0x00, 0x01, 0x86, 0xA0}, 4, 100000},
                                                           {{0xFF, 0xFF, 0xFF, 0xFF}, 4, 4294967295.0}};
  for (const auto& [value, length, expected] : reads) {
    port.preload({0x13, 0x88, 0x77});
    queueRead(value);
    EXPECT_DOUBLE_EQ(*link.read(0x0400, length, 1), expected);
  }
}

TEST_F(ExchangeTest, silentDriveFailsEachWaitAfterTwoSecondsShowingNothing) {
  for (int silentWait = 0; silentWait < 3; ++silentWait) {
    SCOPED_TRACE(silentWait);
    if (silentWait >= 1)
      port.queueReply({0x00});
    if (silentWait >= 2)
      port.queueReply(Bytes(5, 0x00));
    port.queueReply({}); // the silent answer
    const Clock::Duration start = clock.now();
    const LinkResult<double> read = link.read(0xFC04, 2, 100);
    ASSERT_FALSE(read);
    EXPECT_EQ(read.failure(), LinkFailure::ReadTimedOut);
    EXPECT_GT(clock.now() - start, 2s);
    EXPECT_LT(clock.now() - start, 2010ms);
    EXPECT_EQ(port.sends.size(), static_cast<std::size_t>(silentWait + 1));
    port.sends.clear();
    port.readAll();
  }
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ExchangeTest, eachWaitOfAReadHasItsOwnTwoSecondsButThePanelBlocksShareThem) {
  port.queueReply({0x00}, 1900ms);
  port.queueReply(Bytes(5, 0x00), 1900ms);
  port.queueReply({0xAA, 0x13, 0x88, 0xBB}, 1900ms);
  EXPECT_DOUBLE_EQ(*link.read(0xFC04, 2, 100), 50.0);

  queueExchange(Bytes(38, 0x20), 600ms);
  EXPECT_TRUE(panel.panelBlock());
  EXPECT_EQ(port.sends.back(), Bytes{0x06});
  EXPECT_EQ(port.sends[port.sends.size() - 3], (Bytes{0x01, 0x24, 0x03, 0x00, 0x27}));
  queueExchange(Bytes(38, 0x20), 800ms);
  EXPECT_FALSE(panel.panelBlock());
}

TEST_F(ExchangeTest, displayTextWaitsForNineteenBytesAndShortRepliesGiveWhatThereIs) {
  queueExchange(Bytes(18, 'A'));
  EXPECT_FALSE(panel.displayText());
  EXPECT_EQ(textOfDisplayReply(Bytes{0x00, '/', 'H'}), "/H");
}

} // namespace
} // namespace orvane::testing
