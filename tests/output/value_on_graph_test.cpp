#include "link/models.h"
#include "output/value_on_graph.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

class ValueOnGraphTest : public ::testing::Test {
protected:
  ValueOnGraphTest() {
    state.valuemode = true;
    state.graph.xstep = 20;
    state.drive.speedscale = 4750.0f / 50.0f;
    state.drive.dirspeedscale = 20.0f;
  }

  void setSample(int index, std::int16_t fy, std::int16_t ay, std::int16_t vy) {
    state.graph.speedys[index] = fy;
    state.graph.ampsys[index] = ay;
    state.graph.voltsys[index] = vy;
  }

  // Frequency, current and voltage as Reading shows them.
  std::vector<std::string> at(GraphKind kind, float x) const {
    const ReadingTexts texts = readingAt(state, kind, x).value();
    return {texts.frequency, texts.current, texts.voltage};
  }

  SharedState state;
};

TEST_F(ValueOnGraphTest, aClickSelectsTheSampleAtOrLeftOfThePointerRoundingTheDistanceFirst) {
  setSample(0, 0, 0, 5000);
  setSample(1, 0, 0, 4000);
  setSample(2, 0, 0, 3000);
  for (const auto& [x, voltage] :
       {std::pair{589.0f, "0V"}, {590.0f, "168V"}, {588.5f, "0V"}, {589.5f, "168V"}, {610.0f, "337V"}})
    EXPECT_EQ(at(GraphKind::Plain, x)[2], voltage) << x;
  state.graph.xstep = 40;
  EXPECT_EQ(at(GraphKind::Plain, 609)[2], "0V");
  EXPECT_EQ(at(GraphKind::Plain, 610)[2], "168V");
}

TEST_F(ValueOnGraphTest, bothGraphsReadBackFromTheirScalesAndAGapReadsNotMonitored) {
  setSample(0, 250, 250, 250);
  setSample(1, 2625, 4406, 5000);
  setSample(2, 2625, 0, 0);
  EXPECT_EQ(at(GraphKind::Plain, 570), (std::vector<std::string>{"50.0Hz", "200.00%", "800V"}));
  EXPECT_EQ(at(GraphKind::Plain, 590), (std::vector<std::string>{"25.0Hz", "25.01%", "0V"}));
  EXPECT_EQ(at(GraphKind::Plain, 610), (std::vector<std::string>{"25.0Hz", "Not Monitored", "Not Monitored"}));
  EXPECT_EQ(at(GraphKind::Plain, 4000)[0], "Not Monitored");

  setSample(0, 2625, 250, 250);
  setSample(1, 2725, 2625, 2625);
  setSample(2, 2525, 1438, 1438);
  EXPECT_EQ(at(GraphKind::Signed, 570), (std::vector<std::string>{"0Hz", "200.00%", "800V"}));
  EXPECT_EQ(at(GraphKind::Signed, 590), (std::vector<std::string>{"5.0Hz", "0.00%", "0V"}));
  EXPECT_EQ(at(GraphKind::Signed, 610), (std::vector<std::string>{"5.0Hz", "99.96%", "400V"}));
}

TEST_F(ValueOnGraphTest, currentIsReadBackAtTheTwoHundredPercentScaleForEveryModel) {
  // A six-trip model plots 150 % at 15.83 units per %; read back at 23.75.
  state.drive.inverter = model::kMk410;
  setSample(0, 0, currentY(GraphKind::Plain, state.drive.inverter, 150), 0);
  setSample(1, 0, currentY(GraphKind::Signed, state.drive.inverter, 150), 0);
  EXPECT_EQ(at(GraphKind::Plain, 570)[1], "99.96%");
  EXPECT_EQ(at(GraphKind::Signed, 590)[1], "99.96%");
}

} // namespace
} // namespace orvane
