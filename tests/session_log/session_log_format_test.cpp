#include "session_log/decimal_text.h"
#include "session_log/session_log_format.h"
#include "session_log/session_log_name.h"

#include <bit>
#include <gtest/gtest.h>
#include <tuple>
#include <utility>

namespace orvane {
namespace {

// Numbers for the quick path, at its digit limit, in forms only from_chars reads, and words:
// each reads as std::from_chars reads it, to the bit.
TEST(DecimalTextTest, readsEveryNumberAsFromChars) {
  const std::vector<std::string> groups[] = {
      {"0", "-0", "560", "-49.5", "81.66667", "0.1", "1.20000002384186", "00012.50"},
      {"999999999999999", "9999999999999999", "0.30000000000000004"},
      {"1.", ".5", "-.5", "1.5.3", "1e3", "2.5E-2", "0x1f"},
      {"-", "", "inf", "-nan", "+1", "12,3", "4 "},
  };
  for (const auto& group : groups)
    for (const std::string& text : group) {
      double quick = -1;
      double reference = -1;
      const char* const end = text.data() + text.size();
      const auto [quickStop, quickError] = orvane::readDecimal(text.data(), end, quick);
      const auto [referenceStop, referenceError] = std::from_chars(text.data(), end, reference);
      EXPECT_EQ(std::tuple(quickStop, quickError, std::bit_cast<std::uint64_t>(quick)),
                std::tuple(referenceStop, referenceError, std::bit_cast<std::uint64_t>(reference)))
          << text;
    }
}

// What a reader shows of a sample must be the text the program logged: each
// value read back and written again gives its field unchanged.
TEST(SessionLogFormatTest, aWrittenLineReadsBackToTheSameText) {
  const std::string time = logTimeText(0.6 + static_cast<double>(0.6f));
  const std::string line = formatSessionLogLine(time, -49.5f, 3.333333f, 81.66667f, 565.25f);
  EXPECT_EQ(line, "1.20000002384186,-49.5,3.333333,81.66667,565.25");
  const LogLine read = parseSessionLogLine(" " + line + " ");
  ASSERT_EQ(read.kind, LineKind::Sample);
  const Sample& sample = read.sample;
  EXPECT_EQ(logTimeText(sample.time) + "," + logValueText(static_cast<float>(sample.frequency)) + "," +
                logValueText(static_cast<float>(sample.current)) + "," +
                logValueText(static_cast<float>(sample.currentPercent)) + "," +
                logValueText(static_cast<float>(sample.dcLink)),
            line);
  EXPECT_EQ(parseSessionLogLine(kSessionLogHeader).kind, LineKind::Header);
  EXPECT_EQ(parseSessionLogLine("1,2,3,4,5,").kind, LineKind::Bad);
}

// Every name a session may be given reads back as its start, whatever its
// occurrence; a name that only looks like one reads as none.
TEST(SessionLogNameTest, aNameCarriesItsLocalStartAndNothingElseReadsAsOne) {
  const LogStartTime leapDay{2028, 2, 29, 23, 5, 9};
  EXPECT_EQ(sessionLogFileName(leapDay), "Trend-2028-02-29_23-05-09.CSV");
  EXPECT_EQ(sessionLogFileName(leapDay, 1), "Trend-2028-02-29_23-05-09.CSV");
  EXPECT_EQ(sessionLogFileName(leapDay, 3), "Trend-2028-02-29_23-05-09-3.CSV");
  for (const int occurrence : {1, 2, 1000})
    EXPECT_EQ(sessionLogStartTime(sessionLogFileName(leapDay, occurrence)), leapDay) << occurrence;

  const std::pair<const char*, LogStartTime> readable[] = {
      {"Trend-2026-12-31_00-00-59.csv", {2026, 12, 31, 0, 0, 59}},
      {"Trend-2026-01-09_07-05-03-12.csv", {2026, 1, 9, 7, 5, 3}},
      {"Trend-2026-10-25_02-30-00+0100-2.CSV", {2026, 10, 25, 2, 30, 0}},
      {"Trend-2026-10-25_02-30-00-0930.CSV", {2026, 10, 25, 2, 30, 0}},
  };
  for (const auto& [name, start] : readable)
    EXPECT_EQ(sessionLogStartTime(name), start) << name;
  EXPECT_EQ(sessionLogFileName(leapDay, 2, -570), "Trend-2028-02-29_23-05-09-0930-2.CSV");
  EXPECT_EQ(sessionLogUtcOffset("Trend-2026-10-25_02-30-00-0930-2.CSV"), -570);
  EXPECT_EQ(sessionLogUtcOffset("Trend-2026-10-25_02-30-00-2.CSV"), std::nullopt);
  // Days and times that do not exist, other shapes, and occurrences the namer never gives.
  for (const char* other : {"Trend-2027-02-29_10-00-00.CSV",
                            "Trend-2026-13-01_10-00-00.CSV",
                            "Trend-2026-04-31_10-00-00.CSV",
                            "Trend-2026-01-01_24-00-00.CSV",
                            "Trend-2026-01-01_10-60-00.CSV",
                            "Trend.CSV",
                            "Events.CSV",
                            "trend-2026-01-01_10-00-00.CSV",
                            "Trend-2026-01-01 10-00-00.CSV",
                            "Trend-2026-01-01_10-00-0x.CSV",
                            "Trend-2026-01-01_10-00-00.CSV.bak",
                            "Trend-2026-01-01_10-00-00-1.CSV",
                            "Trend-2026-01-01_10-00-00-02.CSV",
                            "Trend-2026-01-01_10-00-00-.CSV",
                            "Trend-2026-01-01_10-00-00-x.CSV",
                            "Trend-2026-01-01_10-00-00-2-3.CSV",
                            "Trend-2026-01-01_10-00-00_2.CSV",
                            "Trend-2026-01-01_10-00-00-99999999999.CSV",
                            "Trend-2026-01-01_10-00-00+01.CSV",
                            "Trend-2026-01-01_10-00-00+01000.CSV",
                            "Trend-2026-01-01_10-00-00+1500.CSV"})
    EXPECT_EQ(sessionLogStartTime(other), std::nullopt) << other;
}

} // namespace
} // namespace orvane
