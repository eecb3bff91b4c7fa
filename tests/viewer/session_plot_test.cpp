#include "viewer/ui/session_plot.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

// Whether the view keeps the end of a growing session in sight is the
// plot's own decision, so it is checked on the plot itself.
TEST(SessionPlotTest, keepsTheEndInSightUntilTheUserMovesAwayFromIt) {
  SampleStore store;
  SessionPlot plot(store);
  double time = 0;
  const auto add = [&](int samples) {
    for (int i = 0; i < samples; ++i, time += 0.5)
      store.append({time, -10, 2, 20, 560});
    plot.samplesAdded(store.size(), 10);
  };
  plot.showSamples(0, 0, std::nullopt);
  add(100);
  EXPECT_EQ(plot.visibleTime(), QCPRange(0, 49.5)) << "the whole session, growing";
  add(20);
  EXPECT_EQ(plot.visibleTime(), QCPRange(0, 59.5));
  plot.setVisibleTime(QCPRange(40, 59.5));
  add(10);
  EXPECT_EQ(plot.visibleTime(), QCPRange(45, 64.5)) << "a zoomed view slides";
  plot.setVisibleTime(QCPRange(10, 20));
  add(10);
  EXPECT_EQ(plot.visibleTime(), QCPRange(10, 20)) << "moved away: stays put";
  plot.fitSession();
  add(10);
  EXPECT_EQ(plot.visibleTime(), QCPRange(0, 74.5)) << "Home follows again";
}

} // namespace
} // namespace orvane
