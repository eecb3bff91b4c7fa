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
  const auto shows = [&](double lower, double upper) {
    return std::abs(plot.visibleTime().lower - lower) < 1e-9 && std::abs(plot.visibleTime().upper - upper) < 1e-9;
  };
  plot.showSamples(0, 0, std::nullopt);
  add(100);
  EXPECT_TRUE(shows(0, 49.5)) << "the whole session";
  add(20);
  EXPECT_TRUE(shows(0, 59.5 / 0.9)) << "the whole session, room left at the end";
  add(10);
  EXPECT_TRUE(shows(0, 59.5 / 0.9)) << "the end within the view: it stays";
  plot.setVisibleTime(QCPRange(45, 64.5));
  add(10);
  EXPECT_TRUE(shows(69.5 - 19.5 * 0.9, 69.5 + 19.5 * 0.1)) << "a zoomed view steps on";
  plot.setVisibleTime(QCPRange(10, 20));
  add(10);
  EXPECT_TRUE(shows(10, 20)) << "moved away: stays put";
  plot.fitSession();
  add(10);
  EXPECT_TRUE(shows(0, 79.5 / 0.9)) << "Home follows again";
}

} // namespace
} // namespace orvane
