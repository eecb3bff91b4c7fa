#include "viewer/block_summary.h"
#include "viewer/range_statistics.h"
#include "viewer/session_time.h"

#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace orvane {
namespace {

struct Point {
  double key;
  double value;
};

const std::vector<Point> kPoints = {{0, 5}, {0.5, -2}, {1, 7}, {1.5, 7}, {2, -2}, {2.5, 3}};

std::optional<RangeStatistics> statisticsOf(const std::vector<Point>& points, double from, double to) {
  BlockSummary summary;
  for (const Point& point : points)
    summary.append(point.value);
  const auto [begin, end] = pointsBetween(points.begin(), points.end(), from, to);
  return summary.over(
      static_cast<std::size_t>(begin - points.begin()), static_cast<std::size_t>(end - points.begin()),
      [&](std::size_t i) { return points[i].value; }, [&](std::size_t i) { return points[i].key; });
}

TEST(RangeStatisticsTest, givesTheExtremesWithTheirTimesAndTheMeanOfWhatIsInView) {
  struct Case {
    double from, to;
    double minimum, minimumTime, maximum, maximumTime, mean;
    std::size_t count;
  };
  const Case cases[] = {
      {0, 2.5, -2, 0.5, 7, 1, 3, 6}, // the first of equal extremes
      {0.6, 1.9, 7, 1, 7, 1, 7, 2},  // the ends of the view lie between samples
      {1.5, 2.5, -2, 2, 7, 1.5, 8.0 / 3, 3},
      {-10, 0, 5, 0, 5, 0, 5, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.from);
    const auto in = statisticsOf(kPoints, c.from, c.to);
    ASSERT_TRUE(in);
    EXPECT_EQ(in->minimum.value, c.minimum);
    EXPECT_EQ(in->minimum.time, c.minimumTime);
    EXPECT_EQ(kPoints[in->minimum.index].key, c.minimumTime);
    EXPECT_EQ(in->maximum.value, c.maximum);
    EXPECT_EQ(in->maximum.time, c.maximumTime);
    EXPECT_DOUBLE_EQ(in->mean, c.mean);
    EXPECT_EQ(in->count, c.count);
  }
  EXPECT_FALSE(statisticsOf(kPoints, 2.6, 9));
}

// Across block boundaries the summary must agree with a look at every sample.
TEST(RangeStatisticsTest, blocksGiveWhatEverySampleGives) {
  std::mt19937 random(5);
  std::vector<Point> points;
  for (int i = 0; i < 2000; ++i)
    points.push_back({i * 0.5, static_cast<double>(random() % 10)});
  for (int trial = 0; trial < 200; ++trial) {
    const std::size_t first = random() % points.size();
    const std::size_t last = first + 1 + random() % (points.size() - first);
    const auto in = statisticsOf(points, points[first].key, points[last - 1].key);
    const auto lowest = std::min_element(points.begin() + first, points.begin() + last,
                                         [](const Point& a, const Point& b) { return a.value < b.value; });
    const auto highest = std::max_element(points.begin() + first, points.begin() + last,
                                          [](const Point& a, const Point& b) { return a.value < b.value; });
    double sum = 0;
    for (std::size_t i = first; i < last; ++i)
      sum += points[i].value;
    ASSERT_TRUE(in);
    EXPECT_EQ(in->minimum.index, static_cast<std::size_t>(lowest - points.begin()));
    EXPECT_EQ(in->maximum.time, highest->key);
    EXPECT_DOUBLE_EQ(in->mean, sum / static_cast<double>(last - first));
  }
}

TEST(RangeStatisticsTest, findsTheSampleNearestThePointer) {
  const std::pair<double, std::size_t> cases[] = {{-3, 0}, {0.24, 0}, {0.25, 0}, {0.26, 1}, {1.4, 3}, {99, 5}};
  for (const auto& [key, index] : cases)
    EXPECT_EQ(nearestPoint(kPoints.begin(), kPoints.end(), key), index) << key;
  EXPECT_EQ(nearestPoint(kPoints.end(), kPoints.end(), 1), std::nullopt);
}

TEST(SessionTimeTest, writesHoursMinutesSecondsAndTenths) {
  const std::pair<double, const char*> cases[] = {
      {0, "0:00:00"}, {59.5, "0:00:59.5"}, {3723.5, "1:02:03.5"}, {90061, "25:01:01"}, {-4, "0:00:00"}};
  for (const auto& [seconds, text] : cases)
    EXPECT_EQ(sessionTimeText(seconds), text);
}

} // namespace
} // namespace orvane
