#include "viewer/ui/session_plot.h"
#include "viewer/ui/trace_plottable.h"

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

// Following a long session in view repaints only when a new sample changes
// the picture: drawn a pixel column at a time, a sample that falls within the
// span already drawn in the last column changes nothing.
TEST(SessionPlotTest, aNewSampleChangesThePictureOnlyOutsideWhatIsDrawn) {
  SampleStore store;
  for (int i = 0; i < 10000; ++i)
    store.append({i * 0.5, i % 2 ? 10.0 : 20.0, 5, 50, 560});
  SessionPlot plot(store);
  plot.resize(500, 400);
  plot.showSamples(0, store.size(), 10);
  plot.setVisibleTime(QCPRange(0, 5200));
  plot.replot(QCustomPlot::rpImmediateRefresh);
  const auto& frequency = dynamic_cast<const TracePlottable&>(*plot.plottable(0));
  store.append({5000, 15, 5, 50, 560});
  EXPECT_FALSE(frequency.changesPicture(10000, 10001));
  store.append({5000.5, 25, 5, 50, 560});
  EXPECT_TRUE(frequency.changesPicture(10001, 10002)) << "above the span drawn";
  store.append({5200, 15, 5, 50, 560});
  EXPECT_TRUE(frequency.changesPicture(10002, 10003)) << "in another column";
}

} // namespace
} // namespace orvane
