#include "viewer/ui/session_plot.h"
#include "viewer/ui/session_viewer_window.h"

#include <QListWidget>
#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>

namespace orvane {
namespace {

// A logger's folder: a file from 23:50:00 and one from 00:00:00, each of 300 s
// at 1 s, so no sample exists from 23:55:00 to midnight; events at 23:52:00
// (two) and 00:02:30. On the axis (seconds from 23:50:00): samples in
// [0, 300] and [600, 900], the gap between, events at 120, 120 and 750.
class TimelineViewTest : public ::testing::Test {
protected:
  void SetUp() override {
    writeFile("Trend-2026-12-06_23-50-00.CSV", 300);
    writeFile("Trend-2026-12-07_00-00-00.CSV", 300);
    std::ofstream(path("Events.CSV"), std::ios::binary)
        << "Clock time,Session file,Event,Text,UTC offset\r\n"
        << "2026-12-06 23:52:00,a,trip,ERR 3 Over Current,\r\n"
        << "2026-12-06 23:52:01,a,trip history,Last Trip: Over Current,\r\n"
        << "2026-12-06 23:52:00,a,clock changed,,\r\n"
        << "2026-12-07 00:02:30,b,limit,overload: above 90 %,\r\n";
  }
  std::string path(const std::string& name) const {
    return folder_.filePath(QString::fromStdString(name)).toStdString();
  }
  void writeFile(const std::string& name, int seconds) {
    std::ofstream file(path(name), std::ios::binary);
    file << "Time (s),Frequency (Hz),Current (A),Current (%),DC Link (V)\r\n";
    for (int t = 0; t <= seconds; ++t)
      file << t << ",40,0,0,560\r\n";
  }
  SessionViewerWindow& open() {
    window_ = std::make_unique<SessionViewerWindow>(folder_.path());
    window_->show();
    waitFor([&] { return window_->model().caughtUp(); });
    return *window_;
  }
  void waitFor(const std::function<bool()>& done) {
    while (!done())
      QApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  // The plot drawn at its size on screen; a column of the time axis at `time`.
  QImage drawn() {
    SessionPlot& plot = window_->plot();
    plot.setVisibleTime(QCPRange(0, 900));
    plot.replot(QCustomPlot::rpImmediateRefresh);
    return plot.toPixmap().toImage();
  }
  int column(double time) const {
    return static_cast<int>(std::round(window_->plot().axisRect(0)->axis(QCPAxis::atBottom)->coordToPixel(time)));
  }
  // Whether a pixel of the column within plot `row` has the colour, or (no
  // colour) shows the frequency's red at least a quarter.
  bool shows(const QImage& image, int row, int x, std::optional<QColor> colour = std::nullopt) const {
    const QRect rect = window_->plot().axisRect(row)->rect();
    for (int y = rect.top() + 1; y < rect.bottom(); ++y) {
      const QColor pixel = image.pixelColor(x, y);
      if (colour ? pixel == *colour : pixel.red() - std::max(pixel.green(), pixel.blue()) >= 64)
        return true;
    }
    return false;
  }

  QTemporaryDir folder_;
  std::unique_ptr<SessionViewerWindow> window_;
};

TEST_F(TimelineViewTest, theFilesAreOneTimelineBrokenAtTheGapWithTheEventsOnTheirColumns) {
  SessionViewerWindow& window = open();
  ASSERT_EQ(window.model().store().size(), 602u);
  EXPECT_EQ(window.model().store().time(301), 600);
  const QImage image = drawn();
  EXPECT_TRUE(shows(image, 0, column(150)));
  EXPECT_TRUE(shows(image, 0, column(750)));
  for (const double inGap : {320.0, 450.0, 580.0})
    EXPECT_FALSE(shows(image, 0, column(inGap))) << "no line across the gap at " << inGap;
  EXPECT_TRUE(shows(image, 1, column(120), QColor(220, 0, 0))) << "the trip";
  EXPECT_TRUE(shows(image, 1, column(750), QColor(255, 140, 0))) << "the limit";
  EXPECT_FALSE(shows(image, 1, column(450), QColor(255, 140, 0)));
  EXPECT_EQ(window.model().events()[0].details, std::vector<std::string>{"Last Trip: Over Current"});
}

TEST_F(TimelineViewTest, nextAndPreviousVisitEveryEventInOrderAndCentreIt) {
  SessionViewerWindow& window = open();
  ASSERT_EQ(window.eventList().count(), 3);
  window.plot().setVisibleTime(QCPRange(-50, 50));
  const auto visit = [&](int direction) {
    window.stepEvent(direction);
    return std::pair(window.eventList().currentRow(), window.plot().visibleTime().center());
  };
  EXPECT_EQ(visit(1), std::pair(0, 120.0));
  EXPECT_EQ(visit(1), std::pair(1, 120.0)) << "the second event of the same second";
  EXPECT_EQ(visit(1), std::pair(2, 750.0));
  EXPECT_EQ(visit(1), std::pair(2, 750.0)) << "no event after the last";
  EXPECT_EQ(visit(-1), std::pair(1, 120.0));
  EXPECT_EQ(visit(-1), std::pair(0, 120.0));
  EXPECT_NEAR(window.plot().visibleTime().size(), 100, 1e-9) << "the width kept";
  window.eventList().setCurrentRow(2);
  EXPECT_EQ(window.plot().visibleTime().center(), 750.0);
}

TEST_F(TimelineViewTest, aLoggersFileAloneHasTheEventsBesideIt) {
  window_ = std::make_unique<SessionViewerWindow>(folder_.filePath("Trend-2026-12-06_23-50-00.CSV"));
  waitFor([&] { return window_->model().caughtUp() && window_->eventList().count() == 3; });
  window_->plot().setVisibleTime(QCPRange(0, 10));
  window_->stepEvent(1);
  EXPECT_EQ(window_->plot().visibleTime().center(), 120.0);
}

TEST_F(TimelineViewTest, theNewestFileIsFollowedIntoTheNextDay) {
  SessionViewerWindow& window = open();
  writeFile("Trend-2026-12-07_00-05-01.CSV", 10);
  waitFor([&] { return window.model().store().size() == 613u; });
  EXPECT_EQ(window.model().store().time(612), 901 + 10);
  EXPECT_EQ(window.model().gaps().gaps().size(), 1u) << "00:05:00 to 00:05:01 is no gap";
}

} // namespace
} // namespace orvane
