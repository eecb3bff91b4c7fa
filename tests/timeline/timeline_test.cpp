#include "fakes/fixed_zone.h"
#include "timeline/gap_finder.h"
#include "timeline/logger_files.h"
#include "timeline/timeline_events.h"
#include "timeline/timeline_reader.h"

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace orvane {
namespace {

namespace fs = std::filesystem;

// Local time is UTC + 3 h, so a local clock time is 10800 s after the same digits in UTC.
class TimelineTest : public ::testing::Test {
protected:
  void SetUp() override { fs::create_directories(folder_); }
  void TearDown() override { fs::remove_all(folder_); }
  void write(const std::string& name, const std::string& text) {
    std::ofstream(folder_ / name, std::ios::binary) << text;
  }
  testing::FixedZone zone_{"<+03>-3"};
  fs::path folder_ = fs::temp_directory_path() / ("timeline-" + std::to_string(::getpid()));
};

// 2026-12-06 00:00:00 UTC.
constexpr double kDay = 1796515200;

TEST_F(TimelineTest, loggerFilesInTheOrderTheyWereBegunOthersLeftOut) {
  for (const char* name :
       {"Trend-2026-12-07_00-00-00.CSV", "Trend-2026-12-06_23-00-00-2.CSV", "Trend-2026-12-06_23-00-00.csv",
        "Trend-2026-12-06_23-00-00-10.CSV", "Events.CSV", "notes.CSV", "Trend-2026-02-30_00-00-00.CSV",
        // Named with their UTC offset, as the logger names them: exact whatever the local zone.
        "Trend-2026-12-07_00-30-00+0100-2.CSV", "Trend-2026-12-07_00-30-00+0100.CSV"})
    write(name, "");
  fs::create_directories(folder_ / "Trend-2026-12-05_00-00-00.CSV");
  std::vector<std::string> names;
  std::vector<double> starts;
  for (const LoggerFile& file : loggerFiles(folder_.string())) {
    names.push_back(fs::path(file.path).filename().string());
    starts.push_back(file.start);
  }
  EXPECT_EQ(names, (std::vector<std::string>{"Trend-2026-12-06_23-00-00.csv", "Trend-2026-12-06_23-00-00-2.CSV",
                                             "Trend-2026-12-06_23-00-00-10.CSV", "Trend-2026-12-07_00-00-00.CSV",
                                             "Trend-2026-12-07_00-30-00+0100.CSV",
                                             "Trend-2026-12-07_00-30-00+0100-2.CSV"}));
  EXPECT_EQ(starts, (std::vector<double>{kDay + 20 * 3600, kDay + 20 * 3600, kDay + 20 * 3600, kDay + 21 * 3600,
                                         kDay + 23.5 * 3600, kDay + 23.5 * 3600}));
  EXPECT_TRUE(loggerFiles((folder_ / "missing").string()).empty());
}

TEST_F(TimelineTest, eventsByTheirColumnsInTimeOrderWithTheTripHistoryOnTheTrip) {
  const std::vector<TimelineEvent> named =
      parseEvents("Event,Clock time,Extra,UTC offset,Text\r\n"
                  "trip,2026-12-06 10:00:00,x,+01:00,\"ERR 3, Over Current\"\r\n"
                  "trip history,2026-12-06 10:00:01,,+01:00,Total trips: 1\r\n"
                  "trip history,2026-12-06 10:00:01,,+01:00,\"Last Trip: \"\"Over\"\" Current\"\r\n"
                  "limit,2026-12-06 09:59:59,,Z,overload: above 90 %\r\n"
                  "clock changed,not a time,,,\r\n"
                  "trip cleared,2026-12-06 13:05:00,,,\r\n");
  ASSERT_EQ(named.size(), 3u);
  EXPECT_EQ(named[0].time, kDay + 10 * 3600 - 3600);
  EXPECT_EQ(named[0].kind, "trip");
  EXPECT_EQ(named[0].text, "ERR 3, Over Current");
  EXPECT_EQ(named[0].details, (std::vector<std::string>{"Total trips: 1", "Last Trip: \"Over\" Current"}));
  EXPECT_EQ(named[1].time, kDay + 10 * 3600 - 1);
  EXPECT_EQ(named[1].text, "overload: above 90 %");
  // No offset: the local zone's.
  EXPECT_EQ(named[2].time, kDay + 13 * 3600 + 300 - 3 * 3600);

  // Without a header the logger's own order: clock time (with its offset), session file, event, text.
  const std::vector<TimelineEvent> plain =
      parseEvents("2026-12-06 01:00:00 +0100,Trend-x.CSV,failure,no answer\n");
  ASSERT_EQ(plain.size(), 1u);
  EXPECT_EQ(plain[0].time, kDay);
  EXPECT_EQ(plain[0].sessionFile, "Trend-x.CSV");
  EXPECT_EQ(plain[0].kind, "failure");

  EXPECT_EQ(nextEvent(named, named[0].time), 1u);
  EXPECT_EQ(nextEvent(named, named[2].time), std::nullopt);
  EXPECT_EQ(previousEvent(named, named[1].time), 0u);
  EXPECT_EQ(previousEvent(named, named[0].time), std::nullopt);
}

TEST_F(TimelineTest, gapsWhereNoSampleExistsForMoreThanTwiceTheInterval) {
  GapFinder finder;
  std::size_t index = 0;
  for (const double time : {0.0, 0.5, 1.5, 2.5, 3.0, 10.0, 10.5})
    finder.add(index++, time);
  finder.restart();
  for (const double time : {0.0, 5.0})
    finder.add(index++, time);
  EXPECT_EQ(finder.interval(), 0.5);
  ASSERT_EQ(finder.gaps().size(), 2u);
  EXPECT_EQ(finder.gaps()[0].before, 5u);
  EXPECT_EQ(finder.gaps()[0].length(), 7.0);
  EXPECT_EQ(finder.gaps()[1].before, 8u);
  EXPECT_EQ(finder.within(0, 7).size(), 1u);
  EXPECT_EQ(finder.within(5, 9).size(), 1u);
  EXPECT_EQ(finder.at(4.0, 0, 7)->before, 5u);
  EXPECT_FALSE(finder.at(3.0, 0, 7));
  EXPECT_FALSE(finder.at(2.0, 0, 7));
}

TEST_F(TimelineTest, samplesOfTheFilesStitchedOnTheClock) {
  const std::string header = "Time (s),Frequency (Hz),Current (A),Current (%),DC Link (V)\r\n";
  write("Trend-2026-12-06_23-59-59.CSV", header + "0,1,2,3,4\r\n0.5,5,6,7,8\r\nbad\r\n");
  write("Trend-2026-12-07_00-00-00.CSV", header + "0,9,1,2,3\n0.5,4,5,6,7\n1,2,3,4,5");
  std::vector<Sample> samples;
  const TimelineReadReport report =
      readTimelineSamples(loggerFiles(folder_.string()), [&](std::span<const Sample> piece) {
        samples.insert(samples.end(), piece.begin(), piece.end());
      });
  const double start = kDay + 21 * 3600 - 1;
  ASSERT_EQ(samples.size(), 4u);
  EXPECT_EQ(samples[1].time, start + 0.5);
  EXPECT_EQ(samples[2].time, start + 1);
  EXPECT_EQ(samples[3].time, start + 1.5);
  EXPECT_EQ(samples[3].dcLink, 7);
  EXPECT_EQ(report.skippedLines, 1u);
  EXPECT_TRUE(report.failures.empty());
}

} // namespace
} // namespace orvane
