#include "platform/number_text.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(NumberText, floatsShowUpToSevenSignificantDigits) {
  EXPECT_EQ(plainText(49.5f), "49.5");
  EXPECT_EQ(plainText(50.0f), "50");
  EXPECT_EQ(plainText(0.6f), "0.6");
  EXPECT_EQ(plainText(-12.25f), "-12.25");
  EXPECT_EQ(plainText(0.0f), "0");
  EXPECT_EQ(plainText(-0.0f), "0");
  EXPECT_EQ(plainText(8.3f), "8.3");
}

TEST(NumberText, doublesShowUpToFifteenSignificantDigits) {
  const float elapsed = 0.6f;
  EXPECT_EQ(plainText(60 / 10.0 + 0.0), "6");
  EXPECT_EQ(plainText(6 / 10.0 + static_cast<double>(elapsed)), "1.20000002384186");
  EXPECT_EQ(plainText(1.5), "1.5");
  EXPECT_EQ(plainText(50.3030303030303), "50.3030303030303");
}

TEST(NumberText, roundingHalvesGoToEven) {
  EXPECT_EQ(roundToInt16(2.5), 2);
  EXPECT_EQ(roundToInt16(3.5), 4);
  EXPECT_EQ(roundToInt16(-2.5), -2);
  EXPECT_EQ(roundToInt16(2.5000001), 3);
  EXPECT_EQ(roundToInt16(6410.0 / 60), 107);
  EXPECT_EQ(roundToInt16(6760.0 / 400), 17);
  EXPECT_EQ(roundToInt16(6410.0 / 400), 16);
}

TEST(NumberText, formatPatterns) {
  EXPECT_EQ(formatNumber(500 / 1000.0 * 338 / 60 / 1, 1, false), "2.8");
  EXPECT_EQ(formatNumber(500 / 1000.0 * 338 / 60 / 20, 1, false), ".1");
  EXPECT_EQ(formatNumber(32000 / 1000.0 * 338 / 60, 1, false), "180.3");
  EXPECT_EQ(formatNumber(49.5, 1, true), "49.5");
  EXPECT_EQ(formatNumber(5, 1, true), "5.0");
  EXPECT_EQ(formatNumber(0.04, 1, true), "0.0");
  EXPECT_EQ(formatNumber(200, 2, true), "200.00");
  EXPECT_EQ(formatNumber(799.6, 0, true), "800");
}

TEST(NumberText, roundingClampsToTheSixteenBitRange) {
  EXPECT_EQ(roundToInt16(40000.0), 32767);
  EXPECT_EQ(roundToInt16(-40000.0), -32768);
  EXPECT_EQ(roundToInt16(std::numeric_limits<double>::quiet_NaN()), 0);
}

} // namespace
} // namespace orvane
