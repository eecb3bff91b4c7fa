#include "link/models.h"
#include "output/value_on_graph.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

class ValueOnGraphTest : public ::testing::Test {
protected:
  ValueOnGraphTest() {
    state.valuemode = 1;
    state.xstep = 20;
    state.speedscale = 4750.0f / 50.0f;
    state.dirspeedscale = 20.0f;
  }

  void setSample(int index, std::int16_t fy, std::int16_t ay, std::int16_t vy) {
    state.speedys[index] = fy;
    state.ampsys[index] = ay;
    state.voltsys[index] = vy;
  }

  ReadingTexts plainAt(float x) const { return readingAt(state, GraphKind::Plain, x).value(); }
  ReadingTexts signedAt(float x) const { return readingAt(state, GraphKind::Signed, x).value(); }

  SharedState state;
};

TEST_F(ValueOnGraphTest, nothingIsShownWithValueModeOffOrLeftOfTheFirstSample) {
  setSample(0, 250, 250, 250);
  EXPECT_TRUE(readingAt(state, GraphKind::Plain, 570));
  EXPECT_FALSE(readingAt(state, GraphKind::Plain, 569.9f));
  EXPECT_FALSE(readingAt(state, GraphKind::Signed, 100));
  state.valuemode = 0;
  EXPECT_FALSE(readingAt(state, GraphKind::Plain, 600));
  EXPECT_FALSE(readingAt(state, GraphKind::Signed, 600));
}

TEST_F(ValueOnGraphTest, aClickSelectsTheSampleAtOrLeftOfThePointer) {
  setSample(0, 0, 0, 5000);
  setSample(1, 0, 0, 4000);
  setSample(2, 0, 0, 3000);
  EXPECT_EQ(plainAt(589).voltage, "0V");
  EXPECT_EQ(plainAt(590).voltage, "168V");
  // The distance from the first sample is rounded first, halves to even.
  EXPECT_EQ(plainAt(588.5f).voltage, "0V");
  EXPECT_EQ(plainAt(589.5f).voltage, "168V");
  EXPECT_EQ(plainAt(610).voltage, "337V");
  state.xstep = 40;
  EXPECT_EQ(plainAt(609).voltage, "0V");
  EXPECT_EQ(plainAt(610).voltage, "168V");
}

TEST_F(ValueOnGraphTest, thePlainGraphReadsBackFromTheTopOfTheBox) {
  setSample(0, 250, 250, 250);
  EXPECT_EQ(plainAt(570).frequency, "50.0Hz");
  EXPECT_EQ(plainAt(570).current, "200.00%");
  EXPECT_EQ(plainAt(570).voltage, "800V");
  setSample(0, 2625, 4406, 5000);
  EXPECT_EQ(plainAt(570).frequency, "25.0Hz");
  EXPECT_EQ(plainAt(570).current, "25.01%");
  EXPECT_EQ(plainAt(570).voltage, "0V");
}

TEST_F(ValueOnGraphTest, aMissingPointReadsNotMonitored) {
  setSample(3, 2625, 0, 0);
  const ReadingTexts texts = plainAt(630);
  EXPECT_EQ(texts.frequency, "25.0Hz");
  EXPECT_EQ(texts.current, "Not Monitored");
  EXPECT_EQ(texts.voltage, "Not Monitored");
  const ReadingTexts beyond = plainAt(4000);
  EXPECT_EQ(beyond.frequency, "Not Monitored");
}

TEST_F(ValueOnGraphTest, theSignedGraphReadsFrequencyAsDistanceFromTheAxis) {
  setSample(0, 2625, 250, 250);
  setSample(1, 2725, 2625, 2625);
  setSample(2, 2525, 1438, 1438);
  EXPECT_EQ(signedAt(570).frequency, "0Hz");
  EXPECT_EQ(signedAt(570).current, "200.00%");
  EXPECT_EQ(signedAt(570).voltage, "800V");
  EXPECT_EQ(signedAt(590).frequency, "5.0Hz");
  EXPECT_EQ(signedAt(590).current, "0.00%");
  EXPECT_EQ(signedAt(590).voltage, "0V");
  EXPECT_EQ(signedAt(610).frequency, "5.0Hz");
  EXPECT_EQ(signedAt(610).current, "99.96%");
  EXPECT_EQ(signedAt(610).voltage, "400V");
}

TEST_F(ValueOnGraphTest, currentIsReadBackAtTheTwoHundredPercentScaleForEveryModel) {
  // A six-trip model plots 150 % at 15.83 units per %; read back at 23.75.
  state.inverter = model::kMk410;
  setSample(0, 0, currentY(GraphKind::Plain, state.inverter, 150), 0);
  setSample(1, 0, currentY(GraphKind::Signed, state.inverter, 150), 0);
  EXPECT_EQ(plainAt(570).current, "99.96%");
  EXPECT_EQ(signedAt(590).current, "99.96%");
}

} // namespace
} // namespace orvane
