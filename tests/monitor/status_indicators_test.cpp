#include "fakes/fake_line.h"
#include "link/models.h"
#include "monitor/status_indicators.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

using Procedure = void (StatusIndicators::*)(std::int16_t&);

class StatusIndicatorsTest : public ::testing::Test, protected testing::FakeLine {
protected:
  StatusIndicatorsTest() { port.open(); }

  // Runs the procedures for `inverter`; the drive answers each memory read
  // with the next of `values` (nothing for an empty one). Returns OK.
  std::int16_t run(const char* inverter, std::vector<Bytes> values, std::initializer_list<Procedure> procedures) {
    state.inverter = inverter;
    for (const Bytes& value : values) {
      port.queueReply({0x00});
      port.queueReply(Bytes(5, 0x00));
      Bytes reply;
      if (!value.empty()) {
        reply = {0xAA};
        reply.insert(reply.end(), value.begin(), value.end());
        reply.push_back(0xBB);
      }
      port.queueReply(reply);
    }
    std::int16_t OK = 0;
    for (const Procedure procedure : procedures)
      (indicators.*procedure)(OK);
    return OK;
  }

  bool shown(const char* name) const { return state.trend.visible(name); }

  SharedState state;
  StatusIndicators indicators{state, link};
};

TEST_F(StatusIndicatorsTest, everyRunStateWordSetsItsDirectionAndAStoppedDriveShowsStoppedFromOneRead) {
  state.options.setChecked("directionmenu", true);
  state.trend.setVisible("forarrow", true);
  EXPECT_EQ(run(model::kVector, {{0x00}}, {&StatusIndicators::Direction, &StatusIndicators::Running}), 0);
  ASSERT_EQ(port.sends.size(), 3u);
  EXPECT_EQ(port.sends[1], (Bytes{0x02, 0x01, 0x8D, 0xFC, 0x70}));
  EXPECT_EQ(state.direction, "-");
  for (const char* hidden : {"fordir", "forarrow", "revdir", "revarrow", "runpiccy", "trippiccy"})
    EXPECT_FALSE(shown(hidden)) << hidden;
  EXPECT_TRUE(shown("stoppiccy") && shown("stoplabel"));

  const std::tuple<std::uint8_t, const char*, bool, bool> runningWords[] = {{1, "F", true, false},
                                                                            {2, "R", false, true}};
  for (const auto& [word, text, forward, reverse] : runningWords) {
    run(model::kVector, {{word}}, {&StatusIndicators::Direction});
    EXPECT_EQ(state.direction, text);
    EXPECT_EQ((std::vector<bool>{shown("fordir"), shown("forarrow"), shown("revdir"), shown("revarrow")}),
              (std::vector<bool>{forward, forward, reverse, reverse}))
        << text;
  }
}

TEST_F(StatusIndicatorsTest, mk410InputWordLightsOnlyTheSetBits) {
  run(model::kMk410, {{0x03, 0x01}}, {&StatusIndicators::iterminals});
  EXPECT_EQ(port.sends[1], (Bytes{0x02, 0x02, 0x2E, 0x04, 0x28}));
  EXPECT_TRUE(shown("Image1on") && shown("ImageFWon") && shown("ImageTHon"));
  for (const std::string terminal : {"2", "3", "4", "5", "6", "7", "8"})
    EXPECT_TRUE(shown(("Image" + terminal + "off").c_str()) && !shown(("Image" + terminal + "on").c_str()))
        << terminal;
}

TEST_F(StatusIndicatorsTest, outputMaskFourIsAlarmOnQ7ModelsButTerminal13OnMk410) {
  run(model::kVector, {{0x04}}, {&StatusIndicators::oterminals});
  EXPECT_TRUE(shown("ImageALon"));
  EXPECT_EQ(state.trend.controls().count("Image13on"), 0u); // not a terminal of this model
  run(model::kMk410, {{0x00, 0x04}}, {&StatusIndicators::oterminals});
  EXPECT_TRUE(shown("Image13on"));
  EXPECT_FALSE(shown("ImageALon"));
  EXPECT_TRUE(shown("ImageALoff"));
}

} // namespace
} // namespace orvane
