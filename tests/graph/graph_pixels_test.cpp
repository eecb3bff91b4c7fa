#include "fakes/recording_message_boxes.h"
#include "link/models.h"
#include "monitor/trend_graph.h"
#include "platform/image_surface.h"

#include <QColor>
#include <QImage>
#include <cmath>
#include <gtest/gtest.h>

namespace orvane {
namespace {

constexpr Rgb kBackground{240, 240, 240};

// The traces as they land on the backing image of a graph box.
class GraphPixelsTest : public ::testing::TestWithParam<double> {
protected:
  GraphPixelsTest() {
    state.inverter = model::kVector;
    state.speedscale = 4750.0f / 50.0f;
    state.xstep = 200;
    state.maxpoints = 3;
    state.options.setChecked("speedmenu", true);
  }

  void tick(float hz) {
    speed = hz;
    std::int16_t OK = 0;
    graph.Frequency(OK);
    ++state.samplecount;
    state.graphx = static_cast<std::int16_t>(state.lastx + state.xstep);
  }

  Rgb pixelAt(int xTwips, int yTwips) const {
    const double ratio = GetParam();
    const QColor colour = picture1.image().pixelColor(static_cast<int>(std::lround(xTwips * ratio / 15)),
                                                      static_cast<int>(std::lround(yTwips * ratio / 15)));
    return Rgb{static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
               static_cast<std::uint8_t>(colour.blue())};
  }

  SharedState state;
  ImageSurface picture1{8130, 5415, GetParam(), kBackground};
  ImageSurface picture3{8130, 5415, GetParam(), kBackground};
  testing::RecordingMessageBoxes messages;
  float speed = 0;
  TrendGraph graph{state, picture1, picture3, messages,
                   TraceReads{[this](std::int16_t&) { state.speedvalue = speed; }, nullptr, nullptr, nullptr}};
};

TEST_P(GraphPixelsTest, aSegmentAppearsInItsColourAndTheScrollErasesIt) {
  tick(25.0f); // y 2625
  tick(25.0f);
  EXPECT_EQ(pixelAt(670, 2625), graph::kFrequencyColour); // between x 570 and 770
  EXPECT_EQ(pixelAt(670, 2700), kBackground);

  tick(40.0f); // x 970, y 1200: the graph is full
  tick(40.0f); // the first scroll: everything moves one sample to the left
  EXPECT_EQ(pixelAt(670, 2625), kBackground) << "the flat 25 Hz segment is erased";
  EXPECT_EQ(pixelAt(570, 2625), graph::kFrequencyColour) << "the rise from 25 Hz now starts at the left edge";
  EXPECT_EQ(pixelAt(870, 1200), graph::kFrequencyColour) << "the newest, flat at 40 Hz";
  EXPECT_EQ(pixelAt(1050, 1200), kBackground) << "nothing right of the newest sample";

  tick(40.0f);
  EXPECT_EQ(pixelAt(570, 2625), kBackground) << "the 25 Hz samples have scrolled off and are erased";
  EXPECT_EQ(pixelAt(670, 1200), graph::kFrequencyColour);
}

TEST_P(GraphPixelsTest, clearingWipesBothBoxes) {
  tick(25.0f);
  tick(25.0f);
  graph.clearGraph();
  EXPECT_EQ(pixelAt(670, 2625), kBackground);
}

INSTANTIATE_TEST_SUITE_P(DevicePixelRatios, GraphPixelsTest, ::testing::Values(1.0, 2.0));

} // namespace
} // namespace orvane
