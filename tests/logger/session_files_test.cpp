#include "logger/event_log.h"
#include "logger/session_recorder.h"
#include "logger_rig.h"
#include "session_log/session_log_name.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace orvane {
namespace {

using testing::FakeClock;
using testing::FixedZone;
using testing::FollowingWallClock;
using testing::readFile;
using testing::TemporaryFolder;

// 23:59:59 on 6 December 2026 in a zone three hours east of UTC.
constexpr std::time_t kLastSecondOfTheDayUtc = 1796601599 - 3 * 3600;

TEST(SessionRecorderTest, aSessionPastLocalMidnightGoesOnInANewFileWithItsOwnHeaderAndTime) {
  const FixedZone zone("XYZ-3");
  TemporaryFolder folder;
  FakeClock clock;
  FollowingWallClock wall(clock, kLastSecondOfTheDayUtc);
  LogFolder logFolder;
  ASSERT_EQ(logFolder.open(folder.path()), 0);
  SessionRecorder recorder(logFolder, wall);
  ASSERT_EQ(recorder.begin(5, {}), 0);
  EXPECT_EQ(recorder.fileName(), "Trend-2026-12-06_23-59-59+0300.CSV");
  for (int slot = 0; slot < 4; ++slot) {
    ASSERT_EQ(recorder.record(slot, wall.now(), LoggedValues{50, 8.3f, 50.3f, 325}, {}), 0);
    clock.advance(std::chrono::milliseconds(500));
  }
  recorder.end();
  EXPECT_EQ(readFile(folder.path() + "/Trend-2026-12-06_23-59-59+0300.CSV"),
            "Time (s),Frequency (Hz),Current (A),Current (%),DC Link (V)\r\n"
            "0,50,8.3,50.3,325\r\n0.5,50,8.3,50.3,325\r\n");
  EXPECT_EQ(readFile(folder.path() + "/Trend-2026-12-07_00-00-00+0300.CSV"),
            "Time (s),Frequency (Hz),Current (A),Current (%),DC Link (V)\r\n"
            "0,50,8.3,50.3,325\r\n0.5,50,8.3,50.3,325\r\n");
}

TEST(SessionRecorderTest, anExistingFileIsNeverTouchedAndTheNewSessionTakesTheNextFreeName) {
  const FixedZone zone("UTC0");
  TemporaryFolder folder;
  FakeClock clock;
  FollowingWallClock wall(clock, kLastSecondOfTheDayUtc);
  const std::string taken = folder.path() + "/Trend-2026-12-06_20-59-59+0000.CSV";
  std::ofstream(taken) << "a night that mattered\r\n";
  LogFolder logFolder;
  ASSERT_EQ(logFolder.open(folder.path()), 0);
  SessionRecorder first(logFolder, wall);
  SessionRecorder second(logFolder, wall);
  ASSERT_EQ(first.begin(5, {}), 0);
  ASSERT_EQ(second.begin(5, {}), 0);
  EXPECT_EQ(first.fileName(), "Trend-2026-12-06_20-59-59+0000-2.CSV");
  EXPECT_EQ(second.fileName(), "Trend-2026-12-06_20-59-59+0000-3.CSV");
  EXPECT_EQ(readFile(taken), "a night that mattered\r\n");
}

// The hour the clocks go back through happens twice: each file says which of the two it began in.
TEST(SessionRecorderTest, filesBegunInTheRepeatedAutumnHourCarryTheirOwnUtcOffset) {
  const FixedZone zone("CET-1CEST,M3.5.0,M10.5.0/3");
  constexpr std::time_t kHalfPastTwoSummerTime = 1792888200; // 00:30 UTC on 25 October 2026
  TemporaryFolder folder;
  LogFolder logFolder;
  ASSERT_EQ(logFolder.open(folder.path()), 0);
  FakeClock clock;
  FollowingWallClock wall(clock, kHalfPastTwoSummerTime);
  SessionRecorder recorder(logFolder, wall);
  ASSERT_EQ(recorder.begin(5, {}), 0);
  EXPECT_EQ(recorder.fileName(), "Trend-2026-10-25_02-30-00+0200.CSV");
  clock.advance(std::chrono::hours(1));
  ASSERT_EQ(recorder.begin(5, {}), 0);
  EXPECT_EQ(recorder.fileName(), "Trend-2026-10-25_02-30-00+0100.CSV");
  EXPECT_EQ(sessionLogUtcOffset(recorder.fileName()), 60);
  EXPECT_EQ(sessionLogStartTime(recorder.fileName()), (LogStartTime{2026, 10, 25, 2, 30, 0}));
}

TEST(EventLogTest, fieldsWithCommasQuotesOrLineEndsStayOneField) {
  EXPECT_EQ(csvField("ERR E07 OVERVOLT"), "ERR E07 OVERVOLT");
  EXPECT_EQ(csvField("Last Trip: CT Error, 50 Hz"), "\"Last Trip: CT Error, 50 Hz\"");
  EXPECT_EQ(csvField("say \"hi\""), "\"say \"\"hi\"\"\"");
  EXPECT_EQ(csvField("two\r\nlines"), "two  lines");
}

} // namespace
} // namespace orvane
