#include "fakes/recording_message_boxes.h"
#include "link/models.h"
#include "monitor/trend_graph.h"

#include <deque>
#include <gtest/gtest.h>

namespace orvane {
namespace {

using testing::RecordingMessageBoxes;

constexpr Rgb kBackground{240, 240, 240};

struct Line {
  int x1, y1, x2, y2;
  Rgb colour;
  friend bool operator==(const Line&, const Line&) = default;
};

class RecordingSurface final : public DrawingSurface {
public:
  void clear() override {
    ++clears;
    lines.clear();
  }
  void drawLine(int x1, int y1, int x2, int y2, Rgb colour) override { lines.push_back({x1, y1, x2, y2, colour}); }
  Rgb background() const override { return kBackground; }
  std::vector<Line> lines;
  int clears = 0;
};

// Drives the graph as the sampling tick does: the three procedures for the
// present or ticked traces, then the cursor advance.
class TrendGraphTest : public ::testing::Test {
protected:
  TrendGraphTest() {
    state.inverter = model::kVector;
    state.speedscale = 4750.0f / 50.0f;
    state.dirspeedscale = 2375.0f / 50.0f;
    state.options.setChecked("speedmenu", true);
  }

  void tick(float hz, double amps = 0, double volts = 0) {
    speeds.push_back(hz);
    currents.push_back(amps);
    voltages.push_back(volts);
    std::int16_t OK = 0;
    if (state.speedtrace == 1 || state.options.checked("speedmenu"))
      graph.Frequency(OK);
    if (state.ampstrace == 1 || state.options.checked("currentmenu"))
      graph.Current(OK);
    if (state.voltstrace == 1 || state.options.checked("DCmenu"))
      graph.Voltage(OK);
    if (state.options.checked("currentmenu") || state.ampstrace == 1) {
      state.speedplotted = 1;
      state.ampsplotted = 1;
    }
    speeds.clear();
    currents.clear();
    voltages.clear();
    ++state.samplecount;
    state.graphx = static_cast<std::int16_t>(state.lastx + state.xstep);
  }

  std::vector<Line> linesIn(Rgb colour) const {
    std::vector<Line> found;
    for (const Line& line : picture1.lines)
      if (line.colour == colour)
        found.push_back(line);
    return found;
  }

  SharedState state;
  RecordingSurface picture1;
  RecordingSurface picture3;
  RecordingMessageBoxes messages;
  std::deque<float> speeds;
  std::deque<double> currents;
  std::deque<double> voltages;
  std::string nextDirection = "F";
  bool failReads = false;
  TrendGraph graph{state, picture1, picture3, messages,
                   TraceReads{[this](std::int16_t& OK) {
                                if (failReads)
                                  OK = 1;
                                else
                                  state.speedvalue = speeds.front();
                              },
                              [this](std::int16_t&) {
                                state.ampstext = currents.front();
                                state.ampspct = currents.front();
                              },
                              [this](std::int16_t&) { state.dcvoltsvalue = voltages.front(); },
                              [this](std::int16_t&) { state.direction = nextDirection; }}};
};

TEST_F(TrendGraphTest, firstSampleDrawsADotAt570AndTheSecondTheFirstSegment) {
  tick(25.0f);
  ASSERT_EQ(picture1.lines.size(), 1u);
  EXPECT_EQ(picture1.lines[0], (Line{570, 2625, 570, 2625, graph::kFrequencyColour}));
  tick(50.0f);
  ASSERT_EQ(picture1.lines.size(), 2u);
  EXPECT_EQ(picture1.lines[1], (Line{570, 2625, 590, 250, graph::kFrequencyColour}));
  EXPECT_EQ(state.graphxs[1], 590);
  EXPECT_EQ(state.trend.caption("displayspeed"), "50");
  EXPECT_EQ(state.logspeed, 50.0f);
}

TEST_F(TrendGraphTest, fillingEndsAtTheLastPositionAndTheNextSampleScrolls) {
  for (int sample = 1; sample <= 338; ++sample)
    tick(25.0f);
  EXPECT_EQ(state.graphxs[337], 7310);
  EXPECT_EQ(picture1.lines.back(), (Line{7290, 2625, 7310, 2625, graph::kFrequencyColour}));
  EXPECT_EQ(state.samplecount, 338);

  picture1.lines.clear();
  tick(50.0f);
  // Erase: the start dot and 337 segments in the background colour; redraw:
  // the dot and 337 segments again, the newest one rising to the top.
  EXPECT_EQ(linesIn(kBackground).size(), 338u);
  const std::vector<Line> redrawn = linesIn(graph::kFrequencyColour);
  ASSERT_EQ(redrawn.size(), 338u);
  EXPECT_EQ(redrawn.back(), (Line{7290, 2625, 7310, 250, graph::kFrequencyColour}));
  EXPECT_EQ(state.speedys[337], 250);
  EXPECT_EQ(state.speedys[338], 0);
  EXPECT_EQ(state.samplecount, 339); // the scroll leaves 338, the tick adds one
  EXPECT_EQ(state.scrollcount, 0);
}

TEST_F(TrendGraphTest, narrowerGraphEndsAt6950) {
  state.maxpoints = 320;
  for (int sample = 1; sample <= 321; ++sample)
    tick(static_cast<float>(sample % 50));
  EXPECT_EQ(linesIn(graph::kFrequencyColour).back().x2, 6950);
}

TEST_F(TrendGraphTest, scrollingKeepsTheLastSamplesNewestAtTheEnd) {
  state.maxpoints = 5;
  const float readings[] = {5, 10, 15, 20, 25, 30, 35, 40};
  for (const float hz : readings)
    tick(hz);
  for (int i = 0; i < 5; ++i)
    EXPECT_EQ(state.speedys[i], frequencyY(GraphKind::Plain, state.speedscale, 0, readings[3 + i], "F")) << i;
  EXPECT_EQ(state.speedys[5], 0);
}

TEST_F(TrendGraphTest, untickedPresentTraceAddsNothingWhileFillingAndGapsWhileScrolling) {
  state.maxpoints = 4;
  tick(10.0f);
  tick(20.0f);
  state.options.setChecked("speedmenu", false);
  picture1.lines.clear();
  tick(30.0f);
  EXPECT_TRUE(picture1.lines.empty());
  EXPECT_EQ(state.speedys[2], 0);
  tick(30.0f);
  tick(30.0f); // the first scroll
  EXPECT_EQ(state.speedys[3], 0);
  EXPECT_NE(state.speedys[0], 0);
  EXPECT_EQ(state.trend.caption("displayspeed"), "20");
}

TEST_F(TrendGraphTest, traceFirstSampledOnANonEmptyGraphStartsAtTheLeftEdgeWithItsOwnX) {
  tick(10.0f);
  tick(20.0f);
  state.options.setChecked("DCmenu", true);
  tick(30.0f, 0, 400.0);
  EXPECT_EQ(linesIn(graph::kVoltageColour).front(), (Line{570, 2625, 570, 2625, graph::kVoltageColour}));
  EXPECT_EQ(state.graphxs[2], 610);
  tick(30.0f, 0, 800.0);
  EXPECT_EQ(linesIn(graph::kVoltageColour).back(), (Line{610, 2625, 630, 250, graph::kVoltageColour}));
}

TEST_F(TrendGraphTest, signedGraphDrawsOnPicture3AndLogsReverseAsNegative) {
  state.options.setChecked("directiongraph", true);
  nextDirection = "R";
  tick(25.0f);
  EXPECT_TRUE(picture1.lines.empty());
  ASSERT_EQ(picture3.lines.size(), 1u);
  EXPECT_EQ(picture3.lines[0].y1, 3812); // 2625 + 1187.5, halves to even
  EXPECT_EQ(state.logspeed, -25.0f);
  EXPECT_EQ(state.trend.caption("displayspeed"), "25");
}

TEST_F(TrendGraphTest, failedReadShowsItsOwnMessageAndDrawsNothing) {
  failReads = true;
  std::int16_t OK = 0;
  graph.Frequency(OK);
  EXPECT_EQ(OK, 1);
  EXPECT_TRUE(picture1.lines.empty());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, "Communications Error");
  EXPECT_EQ(state.speedplotted, 0);
}

TEST_F(TrendGraphTest, clearScreenAnsweredNoChangesNothingAndYesClearsEverything) {
  tick(10.0f);
  tick(20.0f);
  const SampleArray before = state.speedys;
  messages.answers = {MessageAnswer::No};
  graph.clearscreen_Click();
  EXPECT_EQ(state.speedys, before);
  EXPECT_EQ(state.samplecount, 2);
  EXPECT_EQ(picture1.clears, 0);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, "Clear Screen");
  EXPECT_EQ(messages.shown[0].text, "Are you sure you want to clear the screen?");

  graph.clearscreen_Click();
  EXPECT_EQ(state.speedys[0], 0);
  EXPECT_EQ(state.speedys[1], 0);
  EXPECT_EQ(state.samplecount, 0);
  EXPECT_EQ(state.lastx, 570);
  EXPECT_EQ(state.speedtrace, 0);
  EXPECT_EQ(picture1.clears, 1);
  EXPECT_EQ(picture3.clears, 1);
  EXPECT_EQ(state.graphxs[1], 590); // x positions are never cleared
}

} // namespace
} // namespace orvane
