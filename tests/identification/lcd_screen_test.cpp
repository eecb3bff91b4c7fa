#include "identification/drive_fixture.h"
#include "link/lcd_screen.h"

namespace orvane {
namespace {

class LcdScreenTest : public testing::DriveFixture {
protected:
  std::int16_t readScreen() {
    std::int16_t OK = 0;
    LcdScreen(state, link).LCDSCR(OK);
    return OK;
  }
};

TEST_F(LcdScreenTest, probedModelsShowTheDisplayTextReadInText) {
  for (const char* model : {">Talvik< Q7 vector", ">Talvik< Q7 single/compact"}) {
    SCOPED_TRACE(model);
    state.inverter = model;
    drive.showAtPanelPosition(0, "ERR OV  50.00Hz*");
    drive.exchanges.clear();
    EXPECT_EQ(readScreen(), 0);
    EXPECT_EQ(state.lcdtext, "ERR OV  50.00Hz*");
    ASSERT_EQ(drive.exchanges.size(), 1u);
    EXPECT_EQ(drive.exchanges[0].command, 0x0A);
    EXPECT_EQ(drive.exchanges[0].mode, InputMode::Text);
    EXPECT_EQ(port.inputMode(), InputMode::Binary);
  }
}

TEST_F(LcdScreenTest, codeModelsShowThirtyTwoCharactersOfThePanelBlock) {
  for (const char* model : {"MK410", ">Talvik< Q7 profi"}) {
    SCOPED_TRACE(model);
    port.close();
    port.sends.clear();
    state.inverter = model;
    drive.setPanelBlockText("  F 50.00Hz     RUN FWD 8.3A    ");
    drive.exchanges.clear();
    EXPECT_EQ(readScreen(), 0);
    EXPECT_EQ(state.lcdtext, "  F 50.00Hz     RUN FWD 8.3A    ");
    ASSERT_EQ(drive.exchanges.size(), 1u);
    EXPECT_EQ(drive.exchanges[0].mode, InputMode::Binary);
    EXPECT_EQ(port.sends[0], (Bytes{0x01, 0x24, 0x03, 0x00, 0x27}));
    EXPECT_EQ(port.sends[1], (Bytes{0x02, 0x02, 0x00, 0x00, 0x02}));
    EXPECT_EQ(port.inputMode(), InputMode::Binary);
  }
}

TEST_F(LcdScreenTest, otherModelNameLeavesTheTextAndSendsNothing) {
  state.inverter = "Unknown";
  state.lcdtext = "ERR";
  EXPECT_EQ(readScreen(), 0);
  EXPECT_EQ(state.lcdtext, "ERR");
  EXPECT_TRUE(port.sends.empty());
}

TEST_F(LcdScreenTest, silentProbedModelBeepsWithoutMessage) {
  state.inverter = ">Talvik< Q7 vector";
  state.lcdtext = "old";
  drive.answerOnly(1);
  EXPECT_EQ(readScreen(), 1);
  EXPECT_EQ(state.lcdtext, "old");
  EXPECT_EQ(beeper.beeps, 1);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(port.inputMode(), InputMode::Text);
}

TEST_F(LcdScreenTest, silentCodeModelBeepsAndShowsTheCommunicationsMessage) {
  state.inverter = "MK410";
  state.lcdtext = "old";
  drive.answerOnly(0);
  EXPECT_EQ(readScreen(), 1);
  EXPECT_EQ(state.lcdtext, "old");
  EXPECT_EQ(beeper.beeps, 1);
  EXPECT_TRUE(communicationsErrorShown());
  EXPECT_EQ(stops, 0);
}

} // namespace
} // namespace orvane
