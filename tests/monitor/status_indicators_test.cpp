#include "link/models.h"
#include "monitor/status_indicators.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

class StatusIndicatorsTest : public ::testing::Test {
protected:
  bool shown(const char* name) const { return state.trend.visible(name); }

  SharedState state;
  StatusIndicators indicators{state};
};

TEST_F(StatusIndicatorsTest, everyRunStateWordShowsItsDirectionAndAStoppedDriveShowsStopped) {
  state.drive.inverter = model::kVector;
  state.options.setChecked("directionmenu", true);
  state.trend.setVisible("forarrow", true);
  indicators.Direction(0);
  indicators.Running(0);
  for (const char* hidden : {"fordir", "forarrow", "revdir", "revarrow", "runpiccy", "trippiccy"})
    EXPECT_FALSE(shown(hidden)) << hidden;
  EXPECT_TRUE(shown("stoppiccy") && shown("stoplabel"));

  const std::tuple<float, const char*, bool, bool> runningWords[] = {{1, "F", true, false}, {2, "R", false, true}};
  for (const auto& [word, text, forward, reverse] : runningWords) {
    indicators.Direction(word);
    EXPECT_EQ((std::vector<bool>{shown("fordir"), shown("forarrow"), shown("revdir"), shown("revarrow")}),
              (std::vector<bool>{forward, forward, reverse, reverse}))
        << text;
  }
  indicators.Direction(7); // no direction: nothing changes
  EXPECT_TRUE(shown("revarrow"));
}

TEST_F(StatusIndicatorsTest, mk410InputWordLightsOnlyTheSetBits) {
  state.drive.inverter = model::kMk410;
  indicators.iterminals(0x0301);
  EXPECT_TRUE(shown("Image1on") && shown("ImageFWon") && shown("ImageTHon"));
  for (const std::string terminal : {"2", "3", "4", "5", "6", "7", "8"})
    EXPECT_TRUE(shown(("Image" + terminal + "off").c_str()) && !shown(("Image" + terminal + "on").c_str()))
        << terminal;
}

TEST_F(StatusIndicatorsTest, outputMaskFourIsAlarmOnQ7ModelsButTerminal13OnMk410) {
  state.drive.inverter = model::kVector;
  indicators.oterminals(0x04);
  EXPECT_TRUE(shown("ImageALon"));
  EXPECT_EQ(state.trend.controls().count("Image13on"), 0u); // not a terminal of this model
  state.drive.inverter = model::kMk410;
  indicators.oterminals(0x04);
  EXPECT_TRUE(shown("Image13on"));
  EXPECT_FALSE(shown("ImageALon"));
  EXPECT_TRUE(shown("ImageALoff"));
}

} // namespace
} // namespace orvane
