#include "identification/drive_fixture.h"
#include "link/panel_exchanges.h"

namespace orvane {
namespace {

using namespace std::chrono_literals;

class PanelExchangesTest : public testing::DriveFixture {
protected:
  PanelExchanges panel{link};
};

TEST_F(PanelExchangesTest, panelWriteClearsOkOpensThePortAndSelectsText) {
  port.close();
  port.setInputMode(InputMode::Binary);
  std::int16_t OK = 1;
  panel.PanelWrite1(OK);
  EXPECT_EQ(OK, 0);
  EXPECT_TRUE(port.isOpen());
  EXPECT_EQ(drive.exchanges.at(0).mode, InputMode::Text);
}

TEST_F(PanelExchangesTest, panelWriteTimeOutOnlyBeeps) {
  drive.answerOnly(2);
  std::int16_t OK = 0;
  panel.PanelWrite2(OK);
  EXPECT_EQ(OK, 1);
  EXPECT_EQ(beeper.beeps, 1);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(PanelExchangesTest, displayTextReadWaitsForNineteenBytes) {
  port.setResponder({});
  port.queueReply({0x00});
  port.queueReply({0x00, 0x00, 0x00, 0x00, 0x00});
  port.queueReply(Bytes(18, 'A'));
  std::int16_t OK = 0;
  EXPECT_FALSE(panel.readDisplayText(OK));
  EXPECT_EQ(OK, 1);
  EXPECT_EQ(beeper.beeps, 1);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(PanelExchangesTest, shortRepliesGiveTheCharactersThereAre) {
  EXPECT_EQ(textOfDisplayReply(Bytes{}), "");
  EXPECT_EQ(textOfDisplayReply(Bytes{0x00}), "");
  EXPECT_EQ(textOfDisplayReply(Bytes{0x00, '/', 'H'}), "/H");
  EXPECT_EQ(textOfPanelBlock(Bytes{0x00, 'E', 'R', 'R'}), "ERR");
  EXPECT_EQ(textOfPanelBlock(Bytes{}), "");
}

TEST_F(PanelExchangesTest, panelBlockHasTwoSecondsForAllThreeWaits) {
  port.setResponder({});
  port.queueReply({0x00}, 600ms);
  port.queueReply({0x00, 0x00, 0x00, 0x00, 0x00}, 600ms);
  port.queueReply(Bytes(38, 0x20), 600ms);
  Bytes block;
  std::int16_t OK = 0;
  panel.ReadPanelBlock(block, OK);
  EXPECT_EQ(OK, 0);

  port.queueReply({0x00}, 800ms);
  port.queueReply({0x00, 0x00, 0x00, 0x00, 0x00}, 800ms);
  port.queueReply(Bytes(38, 0x20), 800ms);
  block.clear();
  panel.ReadPanelBlock(block, OK);
  EXPECT_EQ(OK, 1);
  EXPECT_TRUE(block.empty());
  EXPECT_EQ(beeper.beeps, 1);
  EXPECT_TRUE(communicationsErrorShown());
  EXPECT_EQ(stops, 0);
}

} // namespace
} // namespace orvane
