#include "fakes/engine_line.h"
#include "link/lcd_screen.h"
#include "link/models.h"
#include "link/panel_exchanges.h"
#include "monitor/shared_state.h"

#include <gtest/gtest.h>

namespace orvane::testing {
namespace {

using namespace std::chrono_literals;
using sim::Model;

class PanelTest : public ::testing::Test, protected EngineLine {
protected:
  PanelTest() { port.open(); }

  std::int16_t readScreen() {
    std::int16_t OK = 0;
    LcdScreen(state, link).LCDSCR(OK);
    return OK;
  }

  // The next exchange's three frames are answered, each after `delay`.
  void queueExchange(const Bytes& final, Clock::Duration delay = {}) {
    port.queueReply({0x00}, delay);
    port.queueReply(Bytes(5, 0x00), delay);
    port.queueReply(final, delay);
  }

  sim::EngineOptions silent() const {
    sim::EngineOptions options;
    options.silent = true;
    return options;
  }

  SharedState state;
  PanelExchanges panel{link};
};

TEST_F(PanelTest, silentDriveBeepsAndOnlyTheCodeModelsShowTheMessage) {
  connect(driveOf(Model::Q7Vector), silent());
  state.inverter = model::kVector;
  state.lcdtext = "old";
  EXPECT_EQ(readScreen(), 1);
  EXPECT_EQ(beeper.beeps, 1);
  EXPECT_TRUE(messages.shown.empty());

  state.inverter = model::kMk410;
  EXPECT_EQ(readScreen(), 1);
  EXPECT_EQ(state.lcdtext, "old");
  EXPECT_EQ(beeper.beeps, 2);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, "Communications Error");
  EXPECT_EQ(stops, 0);
}

TEST_F(PanelTest, displayTextReadWaitsForNineteenBytesAndShortRepliesGiveWhatThereIs) {
  queueExchange(Bytes(18, 'A'));
  std::int16_t OK = 0;
  EXPECT_FALSE(panel.readDisplayText(OK));
  EXPECT_EQ(OK, 1);
  EXPECT_EQ(beeper.beeps, 1);
  EXPECT_TRUE(messages.shown.empty());

  EXPECT_EQ(textOfDisplayReply(Bytes{}), "");
  EXPECT_EQ(textOfDisplayReply(Bytes{0x00}), "");
  EXPECT_EQ(textOfDisplayReply(Bytes{0x00, '/', 'H'}), "/H");
  EXPECT_EQ(textOfPanelBlock(Bytes{0x00, 'E', 'R', 'R'}), "ERR");
  EXPECT_EQ(textOfPanelBlock(Bytes{}), "");
}

TEST_F(PanelTest, panelBlockHasTwoSecondsForAllThreeWaits) {
  queueExchange(Bytes(38, 0x20), 600ms);
  Bytes block;
  std::int16_t OK = 0;
  panel.ReadPanelBlock(block, OK);
  EXPECT_EQ(OK, 0);

  queueExchange(Bytes(38, 0x20), 800ms);
  block.clear();
  panel.ReadPanelBlock(block, OK);
  EXPECT_EQ(OK, 1);
  EXPECT_TRUE(block.empty());
  EXPECT_EQ(beeper.beeps, 1);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, "Communications Error");
  EXPECT_EQ(stops, 0);
}

} // namespace
} // namespace orvane::testing
