#include "fakes/recording_message_boxes.h"
#include "link/models.h"
#include "monitor/graph_geometry.h"
#include "monitor/trend_graph.h"
#include "platform/image_surface.h"

#include <QColor>
#include <cmath>
#include <gtest/gtest.h>

namespace orvane {
namespace {

constexpr Rgb kBackground{240, 240, 240};
constexpr Rgb kRed = graph::kFrequencyColour;
constexpr Rgb kBlue = graph::kVoltageColour;

// Drives the graph as the sampling tick does (the three procedures for the
// present or ticked traces, then the sample count) and looks at the pixels
// of both boxes, at 1x and at 2x.
class TrendGraphTest : public ::testing::TestWithParam<double> {
protected:
  TrendGraphTest() {
    state.drive.inverter = model::kVector;
    state.drive.speedscale = 4750.0f / 50.0f;
    state.drive.dirspeedscale = 2375.0f / 50.0f;
    state.options.setChecked("speedmenu", true);
  }

  TickOutcome outcome(float hz, double volts = 0) const {
    TickOutcome tick;
    tick.reading.frequency = hz;
    tick.reading.frequencyRunState = direction == "F" ? 1.0f : 2.0f;
    tick.reading.dcLink = volts;
    tick.shown = ShownValues{hz, direction, 0, 0, volts};
    return tick;
  }
  void tick(float hz, double volts = 0) {
    std::int16_t OK = 0;
    if (state.graph.speedtrace || state.options.checked("speedmenu"))
      graph.Frequency(outcome(hz, volts), OK);
    if (state.graph.voltstrace || state.options.checked("DCmenu"))
      graph.Voltage(outcome(hz, volts), OK);
    ++state.graph.samplecount;
  }

  QPoint pixelOf(int xTwips, int yTwips) const {
    return {static_cast<int>(std::lround(xTwips * GetParam() / 15)),
            static_cast<int>(std::lround(yTwips * GetParam() / 15))};
  }
  Rgb at(const ImageSurface& box, int xTwips, int yTwips) const {
    const QColor colour = box.image().pixelColor(pixelOf(xTwips, yTwips));
    return Rgb{static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
               static_cast<std::uint8_t>(colour.blue())};
  }
  Rgb at(int xTwips, int yTwips) const { return at(picture1, xTwips, yTwips); }
  // Pixels of a colour in the columns of Picture1 from x1 to x2.
  int inColumns(int x1Twips, int x2Twips, Rgb colour) const {
    int count = 0;
    for (int x = pixelOf(x1Twips, 0).x(); x <= pixelOf(x2Twips, 0).x(); ++x)
      for (int y = 0; y < picture1.image().height(); ++y)
        count += picture1.image().pixelColor(x, y) == QColor(colour.r, colour.g, colour.b);
    return count;
  }

  SharedState state;
  ImageSurface picture1{8130, 5415, GetParam(), kBackground};
  ImageSurface picture3{8130, 5415, GetParam(), kBackground};
  const QImage blank = picture1.image().copy();
  testing::RecordingMessageBoxes messages;
  std::string direction = "F";
  TrendGraph graph{state, picture1, picture3, messages, [](std::int16_t& OK) { OK = 1; }};
};

TEST_P(TrendGraphTest, firstSampleIsADotAt570AndFillingEndsAt7310ThenTheNewestScrollsInThere) {
  tick(25.0f);
  EXPECT_EQ(at(570, 2625), kRed);
  EXPECT_EQ(at(600, 2625), kBackground);
  tick(50.0f);
  EXPECT_GT(inColumns(571, 589, kRed), 100 * GetParam()); // rising from y 2625 to 250
  EXPECT_EQ(state.trend.caption("displayspeed"), "50");
  for (int sample = 3; sample <= 338; ++sample)
    tick(25.0f);
  EXPECT_EQ(state.graph.graphxs[337], 7310);
  EXPECT_EQ(at(7340, 2625), kBackground);

  tick(50.0f);
  EXPECT_GT(inColumns(7291, 7309, kRed), 100 * GetParam()); // the newest segment rises to the top
  EXPECT_EQ(inColumns(7330, 7400, kRed), 0);
  EXPECT_EQ(state.graph.speedys[337], 250);
  EXPECT_EQ(state.graph.speedys[338], 0);
  EXPECT_EQ(state.graph.samplecount, 339); // the scroll leaves 338, the tick adds one
}

TEST_P(TrendGraphTest, scrollingErasesWhatScrolledOffAndKeepsTheLastSamplesNewestAtTheEnd) {
  state.graph.xstep = 200;
  state.graph.maxpoints = 3;
  tick(25.0f); // y 2625
  tick(25.0f);
  EXPECT_EQ(at(670, 2625), kRed); // between x 570 and 770
  tick(40.0f);                    // x 970, y 1200: the graph is full
  tick(40.0f);                    // the first scroll: everything moves one sample to the left
  EXPECT_EQ(at(670, 2625), kBackground) << "the flat 25 Hz segment is erased";
  EXPECT_EQ(at(570, 2625), kRed) << "the rise from 25 Hz now starts at the left edge";
  EXPECT_EQ(at(870, 1200), kRed) << "the newest, flat at 40 Hz";
  EXPECT_EQ(at(1050, 1200), kBackground) << "nothing right of the newest sample";
  tick(45.0f);
  EXPECT_EQ(at(570, 2625), kBackground) << "the 25 Hz samples have scrolled off and are erased";
  const std::int16_t y40 = frequencyY(GraphKind::Plain, state.drive.speedscale, 0, 40.0f, "F");
  EXPECT_EQ((std::vector<std::int16_t>{state.graph.speedys[0], state.graph.speedys[1], state.graph.speedys[2],
                                       state.graph.speedys[3]}),
            (std::vector<std::int16_t>{y40, y40,
                                       frequencyY(GraphKind::Plain, state.drive.speedscale, 0, 45.0f, "F"), 0}));
}

TEST_P(TrendGraphTest, traceFirstSampledOnANonEmptyGraphStartsAtTheLeftEdgeWithItsOwnX) {
  tick(10.0f);
  tick(20.0f);
  state.options.setChecked("DCmenu", true);
  tick(30.0f, 400.0);
  EXPECT_EQ(at(570, 2625), kBlue);
  EXPECT_EQ(state.graph.graphxs[2], 610);
  tick(30.0f, 400.0);
  EXPECT_EQ(at(620, 2625), kBlue);
  EXPECT_NE(at(600, 2625), kBlue); // not joined to the dot at 570
}

// The first tick drew the frequency's first point, then another read failed
// and the tick ended before the cursor moved on.
TEST_P(TrendGraphTest, aTickThatFailedHalfWayLeavesNoStaleXAndScrollingLeavesNoGhost) {
  std::int16_t OK = 0;
  graph.Frequency(outcome(10.0f), OK);
  state.graph.maxpoints = 5;
  for (int i = 0; i < 12; ++i)
    tick(i < 3 ? 10.0f : 40.0f);
  for (int i = 0; i < 5; ++i)
    EXPECT_EQ(state.graph.graphxs[i], 570 + 20 * i) << i;
  EXPECT_EQ(inColumns(0, 550, kRed), 0);
  for (int x = 570; x <= 650; x += 10)
    EXPECT_NE(at(x, 4050), kRed) << x; // where the 10 Hz samples were
}

TEST_P(TrendGraphTest, signedGraphDrawsReverseBelowTheAxisOnPicture3) {
  state.options.setChecked("directiongraph", true);
  direction = "R";
  tick(25.0f);
  EXPECT_EQ(picture1.image(), blank);
  EXPECT_EQ(at(picture3, 570, 3812), kRed); // 2625 + 1187.5, halves to even
  EXPECT_EQ(state.trend.caption("displayspeed"), "25");
}

TEST_P(TrendGraphTest, clearScreenAnsweredNoChangesNothingAndYesClearsEverythingButTheXPositions) {
  tick(10.0f);
  tick(20.0f);
  const QImage drawn = picture1.image().copy();
  messages.answers = {MessageAnswer::No};
  graph.clearscreen_Click();
  EXPECT_EQ(state.graph.samplecount, 2);
  EXPECT_EQ(picture1.image(), drawn);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Are you sure you want to clear the screen?");

  graph.clearscreen_Click();
  EXPECT_EQ(state.graph.speedys[1], 0);
  EXPECT_EQ(state.graph.samplecount, 0);
  EXPECT_EQ(state.graph.lastx, 570);
  EXPECT_EQ(picture1.image(), blank);
  EXPECT_EQ(state.graph.graphxs[1], 590);
}

INSTANTIATE_TEST_SUITE_P(DevicePixelRatios, TrendGraphTest, ::testing::Values(1.0, 2.0));

TEST(GraphGeometry, signedGraphPutsReverseAndStoppedBelowTheAxis) {
  const float scale = 2375.0f / 50.0f;
  EXPECT_EQ(frequencyY(GraphKind::Signed, 0, scale, 50.0f, "F"), 250);
  EXPECT_EQ(frequencyY(GraphKind::Signed, 0, scale, 0.0f, "F"), 2625);
  EXPECT_EQ(frequencyY(GraphKind::Signed, 0, scale, 0.0f, "-"), 2625);
  EXPECT_EQ(frequencyY(GraphKind::Signed, 0, scale, 50.0f, "R"), 5000);
  EXPECT_EQ(frequencyY(GraphKind::Signed, 0, scale, 25.0f, "-"),
            frequencyY(GraphKind::Signed, 0, scale, 25.0f, "R"));
  EXPECT_EQ(frequencyY(GraphKind::Signed, 0, 20.0f, 5.0f, "R"), 2725);
}

TEST(GraphGeometry, currentScaleDependsOnTheModelAndTheBox) {
  EXPECT_EQ(currentY(GraphKind::Plain, model::kVector, 200.0), 250);
  EXPECT_EQ(currentY(GraphKind::Plain, model::kSingleCompact, 100.0), 2625);
  EXPECT_EQ(currentY(GraphKind::Plain, model::kMk410, 300.0), 251); // 15.83 per %: 4749 units
  EXPECT_EQ(currentY(GraphKind::Plain, model::kProfi, 100.0), 3417);
  EXPECT_EQ(currentY(GraphKind::Signed, model::kVector, 200.0), 250);
  EXPECT_EQ(currentY(GraphKind::Signed, model::kMk410, 100.0), 1833); // 2625 - 791.6
}

} // namespace
} // namespace orvane
