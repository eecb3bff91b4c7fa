#include "limits/limits_file.h"
#include "summary/summary_source.h"
#include "viewer/folder_scanner.h"
#include "viewer/range_figures.h"
#include "viewer/sample_store.h"
#include "viewer/session_log_model.h"
#include "viewer/session_time.h"

#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace orvane {
namespace {

// Samples of time and frequency: the store's statistics and searches work on them.
SampleStore storeOf(const std::vector<std::pair<double, double>>& points) {
  SampleStore store;
  for (const auto& [time, value] : points)
    store.append({time, value, 0, 0, 0});
  return store;
}

const std::vector<std::pair<double, double>> kPoints = {{0, 5}, {0.5, -2}, {1, 7}, {1.5, 7}, {2, -2}, {2.5, 3}};

std::optional<RangeStatistics> statisticsOf(const SampleStore& store, double from, double to) {
  const std::size_t begin = store.firstAtOrAfter(0, store.size(), from);
  return store.statistics(Frequency, begin, store.firstAfter(begin, store.size(), to));
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
  const SampleStore store = storeOf(kPoints);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.from);
    const auto in = statisticsOf(store, c.from, c.to);
    ASSERT_TRUE(in);
    EXPECT_EQ(in->minimum.value, c.minimum);
    EXPECT_EQ(in->minimum.time, c.minimumTime);
    EXPECT_EQ(store.time(in->minimum.index), c.minimumTime);
    EXPECT_EQ(in->maximum.value, c.maximum);
    EXPECT_EQ(in->maximum.time, c.maximumTime);
    EXPECT_DOUBLE_EQ(in->mean, c.mean);
    EXPECT_EQ(in->count, c.count);
  }
  EXPECT_FALSE(statisticsOf(store, 2.6, 9));
}

// Across block and level boundaries the summaries must agree with a look at every sample.
TEST(RangeStatisticsTest, summariesGiveWhatEverySampleGives) {
  std::mt19937 random(5);
  std::vector<std::pair<double, double>> points;
  for (int i = 0; i < 20000; ++i)
    points.emplace_back(i * 0.5, static_cast<double>(random() % 1000));
  const SampleStore store = storeOf(points);
  for (int trial = 0; trial < 300; ++trial) {
    const std::size_t first = random() % points.size();
    const std::size_t last = first + 1 + random() % (trial % 2 ? 300 : points.size() - first);
    const std::size_t end = std::min(last, points.size());
    const auto lowest = std::min_element(points.begin() + first, points.begin() + end,
                                         [](const auto& a, const auto& b) { return a.second < b.second; });
    const auto highest = std::max_element(points.begin() + first, points.begin() + end,
                                          [](const auto& a, const auto& b) { return a.second < b.second; });
    double sum = 0;
    for (std::size_t i = first; i < end; ++i)
      sum += points[i].second;
    const auto in = store.statistics(Frequency, first, end);
    ASSERT_TRUE(in);
    EXPECT_EQ(in->minimum.index, static_cast<std::size_t>(lowest - points.begin()));
    EXPECT_EQ(in->maximum.time, highest->first);
    EXPECT_DOUBLE_EQ(in->mean, sum / static_cast<double>(end - first));
    const MinMax extremes = store.extremes(Frequency, first, end);
    EXPECT_EQ(extremes.minimum, lowest->second);
    EXPECT_EQ(extremes.maximum, highest->second);
  }
}

TEST(RangeStatisticsTest, findsTheSampleNearestThePointer) {
  const SampleStore store = storeOf(kPoints);
  const std::pair<double, std::size_t> cases[] = {{-3, 0}, {0.24, 0}, {0.25, 0}, {0.26, 1}, {1.4, 3}, {99, 5}};
  for (const auto& [key, index] : cases)
    EXPECT_EQ(store.nearest(0, store.size(), key), index) << key;
  EXPECT_EQ(store.nearest(2, 4, 0), 2u) << "within a session's samples only";
  EXPECT_EQ(store.nearest(3, 3, 1), std::nullopt);
}

TEST(SessionTimeTest, writesHoursMinutesSecondsAndTenths) {
  const std::pair<double, const char*> cases[] = {
      {0, "0:00:00"}, {59.5, "0:00:59.5"}, {3723.5, "1:02:03.5"}, {90061, "25:01:01"}, {-4, "0:00:00"}};
  for (const auto& [seconds, text] : cases)
    EXPECT_EQ(sessionTimeText(seconds), text);
}

// A folder of two files with a gap, a trip and a limit: the statistics panel's figures of a range
// in view are --summary's for the same clock times, whether the range reaches past the samples,
// crosses the gap or holds a few samples of the first file.
TEST(RangeFigures, areTheSummarysFiguresForTheSameRange) {
  const QTemporaryDir folder;
  const auto write = [&](const char* name, const char* text) {
    std::ofstream(folder.filePath(name).toStdString(), std::ios::binary) << text;
  };
  write("Trend-2026-12-06_23-59-55.CSV", "Time (s),Frequency (Hz),Current (A),Current (%),DC Link (V)\r\n"
                                         "0,0,0,0,560\r\n0.5,0,0,0,561\r\n1,10,2,20,570\r\n1.5,20,4,40,580\r\n"
                                         "2.5,30,9.5,95,600\r\n3,0,0,0,590\r\n3.5,-10,3,30,575\r\n"
                                         "4,-20,5,50,565\r\n5,-20,6,60,560\r\n5.5,20,7,70,555\r\n6,0,0,0,550\r\n");
  write("Trend-2026-12-07_00-00-10.CSV", "Time (s),Frequency (Hz),Current (A),Current (%),DC Link (V)\r\n"
                                         "0,0,0,0,540\r\n0.5,5,1,10,545\r\n1,5,1,10,545\r\n");
  write("Events.CSV", "Clock time,Session file,Event,Text\r\n"
                      "2026-12-06 23:59:58,Trend-2026-12-06_23-59-55.CSV,trip,ERR E07\r\n");
  const std::vector<Limit> limits = parseLimits("hot = current_pct > 50 for 10", "limits.conf").limits;
  SessionLogModel model(folder.path().toStdString());
  model.setLimits(limits);
  readAvailable(*openBatchSource(model.path()), model);
  ASSERT_TRUE(model.clockOrigin());
  const double origin = *model.clockOrigin();
  const SampleStore& store = model.store();
  for (const auto& [from, to] : {std::pair{-10.0, 40.0}, {1.0, 15.5}, {2.5, 4.0}}) {
    const Summary expected = *summarise({model.path(), origin + from, origin + to, false, {}}, limits).summary;
    FiguresRange range{store.firstAtOrAfter(0, store.size(), from), 0, {from, to}, 0, &model.events(), origin};
    range.last = store.firstAfter(range.first, store.size(), to);
    range.interval = sampleInterval(*model.gaps().interval());
    RangeFiguresInSlices slices(store, range, limits); // a few samples at a time, as the window does
    while (!slices.addUpTo(3)) {
    }
    const DayFigures got = slices.finish();
    const DayFigures& want = expected.total;
    SCOPED_TRACE(from);
    EXPECT_EQ(got.samples, want.samples);
    EXPECT_EQ(got.missingSamples, want.missingSamples);
    EXPECT_DOUBLE_EQ(got.runningSeconds, want.runningSeconds);
    EXPECT_EQ(std::tie(got.starts, got.reversals), std::tie(want.starts, want.reversals));
    ASSERT_EQ(got.trips.size(), want.trips.size());
    for (std::size_t at = 0; at < got.trips.size(); ++at)
      EXPECT_EQ(std::pair(got.trips[at].text, got.trips[at].time + origin),
                std::pair(want.trips[at].text, want.trips[at].time));
    EXPECT_EQ(got.peakCurrent, want.peakCurrent);
    EXPECT_DOUBLE_EQ(got.peakCurrentTime + origin, want.peakCurrentTime);
    EXPECT_EQ(std::tie(got.dcLinkMin, got.dcLinkMax, got.dcLinkSum),
              std::tie(want.dcLinkMin, want.dcLinkMax, want.dcLinkSum));
    EXPECT_EQ(got.secondsBeyond, want.secondsBeyond);
  }
}

} // namespace
} // namespace orvane
