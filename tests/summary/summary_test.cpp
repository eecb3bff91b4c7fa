#include "fakes/fixed_zone.h"
#include "summary/summary_output.h"
#include "summary/summary_source.h"

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace orvane {
namespace {

namespace fs = std::filesystem;

// Local time is UTC + 3 h, so local midnight is not UTC's.
class SummaryTest : public ::testing::Test {
protected:
  void SetUp() override {
    fs::create_directories(folder_);
    // Every half second from 23:59:55, the samples of 23:59:57 and 23:59:59.5 missing; the drive
    // starts, stops, starts in reverse, runs through midnight and turns forward again.
    write("Trend-2026-12-06_23-59-55.CSV",
          "Time (s),Frequency (Hz),Current (A),Current (%),DC Link (V)\r\n"
          "0,0,0,0,560\r\n0.5,0,0,0,561\r\n1,10,2,20,570\r\n1.5,20,4,40,580\r\n"
          "2.5,30,9.5,95,600\r\n3,0,0,0,590\r\n3.5,-10,3,30,575\r\n"
          "4,-20,5,50,565\r\n5,-20,6,60,560\r\n5.5,20,7,70,555\r\n6,0,0,0,550\r\n");
    // Unplugged from 00:00:01 to 00:00:10: 17 slots without a sample; then a start.
    write("Trend-2026-12-07_00-00-10.CSV", "Time (s),Frequency (Hz),Current (A),Current (%),DC Link (V)\r\n"
                                           "0,0,0,0,540\r\n0.5,5,1,10,545\r\n1,5,1,10,545\r\n");
    write("Events.CSV", "Clock time,Session file,Event,Text\r\n"
                        "2026-12-06 23:59:58,Trend-2026-12-06_23-59-55.CSV,trip,\"ERR E07, OVERVOLT\"\r\n"
                        "2026-12-06 23:59:58,Trend-2026-12-06_23-59-55.CSV,trip history,Total trips: 1\r\n"
                        "2026-12-07 00:00:00,Trend-2026-12-06_23-59-55.CSV,limit,hot: current_pct 60 > 50\r\n"
                        "2026-12-07 00:00:01,Trend-2026-12-06_23-59-55.CSV,link health,"
                        "\"10 exchanges, 2 time-outs, 1 retries, 0 late ticks\"\r\n"
                        "2026-12-07 00:00:11,Trend-2026-12-07_00-00-10.CSV,link health,"
                        "\"5 exchanges, 0 time-outs, 0 retries, 3 late ticks\"\r\n");
  }
  void TearDown() override { fs::remove_all(folder_); }
  void write(const std::string& name, const std::string& text) {
    std::ofstream(folder_ / name, std::ios::binary) << text;
  }
  SummaryOutcome summary(std::optional<std::string_view> from = {}, std::optional<std::string_view> to = {}) {
    SummaryRequest request;
    request.path = folder_.string();
    request.from = from ? localClockSeconds(*from) : std::nullopt;
    request.to = to ? localClockSeconds(*to) : std::nullopt;
    return summarise(request, {{"hot", LimitQuantity::CurrentPercent, Limit::Side::Above, 50, 10, 0}});
  }
  testing::FixedZone zone_{"<+03>-3"};
  fs::path folder_ = fs::temp_directory_path() / ("summary-" + std::to_string(::getpid()));
};

TEST_F(SummaryTest, aCraftedFolderGivesExactFiguresPerLocalDay) {
  const SummaryOutcome outcome = summary();
  ASSERT_TRUE(outcome.summary) << outcome.error;
  EXPECT_EQ(
      summaryJson(*outcome.summary),
      R"({"days":[{"date":"2026-12-06","samples":8,"missing_samples":2,"running_hours":0.000694444444444444,)"
      R"("starts":2,"reversals":1,"trips":[{"time":"2026-12-06T23:59:58","text":"ERR E07, OVERVOLT"}],)"
      R"("peak_current_a":9.5,"peak_current_time":"2026-12-06T23:59:57","dc_link_v":{"min":560,"mean":575.125,)"
      R"("max":600},"above_limits_s":{"hot":0.5},"link":null},)"
      R"({"date":"2026-12-07","samples":6,"missing_samples":17,"running_hours":0.000555555555555556,"starts":1,)"
      R"("reversals":1,"trips":[],"peak_current_a":7,"peak_current_time":"2026-12-07T00:00:00",)"
      R"("dc_link_v":{"min":540,"mean":549.166666666667,"max":560},"above_limits_s":{"hot":1},)"
      R"("link":{"exchanges":15,"timeouts":2,"retries":1,"late_ticks":3}}],)"
      R"("total":{"date":null,"samples":14,"missing_samples":19,"running_hours":0.00125,"starts":3,"reversals":2,)"
      R"("trips":[{"time":"2026-12-06T23:59:58","text":"ERR E07, OVERVOLT"}],"peak_current_a":9.5,)"
      R"("peak_current_time":"2026-12-06T23:59:57","dc_link_v":{"min":540,"mean":564,"max":600},)"
      R"("above_limits_s":{"hot":1.5},"link":{"exchanges":15,"timeouts":2,"retries":1,"late_ticks":3}}})"
      "\n");
}

// The slots of the range asked for count too, before the first sample and after the last; the
// first sample at the edge is in, the end is not.
TEST_F(SummaryTest, theRangeAskedForCountsItsEmptySlots) {
  const SummaryOutcome outcome = summary("2026-12-06T23:59:50", "2026-12-07 00:00:15");
  ASSERT_TRUE(outcome.summary) << outcome.error;
  ASSERT_EQ(outcome.summary->days.size(), 2u);
  EXPECT_EQ(outcome.summary->days[0].missingSamples, 10u + 2u);
  EXPECT_EQ(outcome.summary->days[1].missingSamples, 17u + 7u);
  const SummaryOutcome late = summary("2026-12-07T00:00:10");
  ASSERT_TRUE(late.summary) << late.error;
  EXPECT_EQ(late.summary->total.samples, 3u);
  EXPECT_EQ(late.summary->total.starts, 1);
  EXPECT_TRUE(late.summary->total.trips.empty());
  EXPECT_EQ(late.summary->total.link, (LinkHealth{5, 0, 0, 3}));
  EXPECT_FALSE(summary("2026-12-08").summary);
}

} // namespace
} // namespace orvane
