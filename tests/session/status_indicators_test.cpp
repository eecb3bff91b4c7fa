#include "fakes/fake_line.h"
#include "link/models.h"
#include "link/status_indicators.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

using namespace testing;

class StatusIndicatorsTest : public ::testing::Test, protected testing::FakeLine {
protected:
  StatusIndicatorsTest() { port.open(); }

  // The drive answers the next memory read with these value bytes.
  void queueRead(const Bytes& value) {
    port.queueReply({0x00});
    port.queueReply({0x00, 0x00, 0x00, 0x00, 0x00});
    Bytes reply{0xAA};
    reply.insert(reply.end(), value.begin(), value.end());
    reply.push_back(0xBB);
    port.queueReply(reply);
  }

  std::size_t reads() const { return port.sends.size() / 3; }

  SharedState state;
  StatusIndicators indicators{state, link};
};

TEST_F(StatusIndicatorsTest, stoppedDriveHidesBothArrowsAndShowsStoppedWithoutASecondRead) {
  state.inverter = model::kVector;
  state.options.setChecked("directionmenu", true);
  state.trend.setVisible("forarrow", true);
  queueRead({0x00});
  std::int16_t OK = 0;
  indicators.Direction(OK);
  indicators.Running(OK);
  EXPECT_EQ(OK, 0);
  EXPECT_EQ(reads(), 1u);
  EXPECT_EQ(port.sends[1], (Bytes{0x02, 0x01, 0x8D, 0xFC, 0x70}));
  EXPECT_EQ(state.direction, "-");
  for (const char* hidden : {"fordir", "forarrow", "revdir", "revarrow", "runpiccy", "trippiccy"})
    EXPECT_FALSE(state.trend.visible(hidden)) << hidden;
  EXPECT_TRUE(state.trend.visible("stoppiccy"));
  EXPECT_TRUE(state.trend.visible("stoplabel"));
}

TEST_F(StatusIndicatorsTest, runningReadsTheRunStateItselfWhenDirectionIsNotTicked) {
  state.inverter = model::kMk410;
  queueRead({0x02});
  std::int16_t OK = 0;
  indicators.Running(OK);
  EXPECT_EQ(reads(), 1u);
  EXPECT_EQ(port.sends[1], (Bytes{0x02, 0x01, 0x4A, 0x04, 0x4F}));
  EXPECT_TRUE(state.trend.visible("runpiccy"));
  EXPECT_FALSE(state.trend.visible("stoppiccy"));
}

TEST_F(StatusIndicatorsTest, unknownRunStateChangesNeitherDirectionNorIndicators) {
  state.inverter = model::kSingleCompact;
  state.options.setChecked("directionmenu", true);
  state.direction = "F";
  state.trend.setVisible("runpiccy", true);
  queueRead({0x07});
  std::int16_t OK = 0;
  indicators.Direction(OK);
  indicators.Running(OK);
  EXPECT_EQ(state.direction, "F");
  EXPECT_TRUE(state.trend.visible("forarrow"));
  EXPECT_TRUE(state.trend.visible("runpiccy"));
}

TEST_F(StatusIndicatorsTest, mk410InputWordLightsOnlyTheSetBits) {
  state.inverter = model::kMk410;
  queueRead({0x03, 0x01});
  std::int16_t OK = 0;
  indicators.iterminals(OK);
  EXPECT_EQ(port.sends[1], (Bytes{0x02, 0x02, 0x2E, 0x04, 0x28}));
  for (const char* on : {"Image1on", "ImageFWon", "ImageTHon"}) {
    EXPECT_TRUE(state.trend.visible(on)) << on;
  }
  for (const char* off :
       {"Image2off", "Image3off", "Image4off", "Image5off", "Image6off", "Image7off", "Image8off"}) {
    EXPECT_TRUE(state.trend.visible(off)) << off;
    std::string on = off;
    on.replace(on.size() - 3, 3, "on");
    EXPECT_FALSE(state.trend.visible(on)) << on;
  }
}

TEST_F(StatusIndicatorsTest, outputMaskFourIsAlarmOnQ7ModelsButTerminal13OnMk410) {
  std::int16_t OK = 0;
  state.inverter = model::kVector;
  queueRead({0x04});
  indicators.oterminals(OK);
  EXPECT_TRUE(state.trend.visible("ImageALon"));
  EXPECT_EQ(state.trend.controls().count("Image13on"), 0u); // not a terminal of this model

  SharedState mk410;
  mk410.inverter = model::kMk410;
  StatusIndicators mk410Indicators{mk410, link};
  queueRead({0x00, 0x04});
  mk410Indicators.oterminals(OK);
  EXPECT_TRUE(mk410.trend.visible("Image13on"));
  EXPECT_FALSE(mk410.trend.visible("ImageALon"));
  EXPECT_TRUE(mk410.trend.visible("ImageALoff"));
}

TEST_F(StatusIndicatorsTest, terminalsAModelLacksAreLeftAlone) {
  state.inverter = model::kSingleCompact;
  state.trend.setVisible("Image6on", false);
  state.trend.setVisible("Image6off", false);
  queueRead({0xFF});
  std::int16_t OK = 0;
  indicators.iterminals(OK);
  EXPECT_TRUE(state.trend.visible("Image5on"));
  EXPECT_FALSE(state.trend.visible("Image6on"));
  EXPECT_FALSE(state.trend.visible("Image6off"));
}

TEST_F(StatusIndicatorsTest, failedReadTouchesNoIndicator) {
  state.inverter = model::kVector;
  state.options.setChecked("directionmenu", true);
  state.direction = "R";
  port.queueReply({});
  std::int16_t OK = 0;
  indicators.Direction(OK);
  EXPECT_EQ(OK, 1);
  EXPECT_EQ(state.direction, "R");
  EXPECT_TRUE(state.trend.visible("revarrow"));
}

} // namespace
} // namespace orvane
