#include "platform/number_text.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

// The everyday forms are checked where they are shown (log, read-outs,
// Reading); these are the edges.
TEST(NumberText, plainTextDropsTrailingZerosAndTheSignOfZero) {
  EXPECT_EQ(plainText(-12.25f), "-12.25");
  EXPECT_EQ(plainText(-0.0f), "0");
  EXPECT_EQ(plainText(0.6f), "0.6");
  EXPECT_EQ(plainText(60 / 10.0 + 0.0), "6");
}

TEST(NumberText, roundingHalvesGoToEvenAndClampsToTheSixteenBitRange) {
  const std::pair<double, std::int16_t> cases[] = {{2.5, 2},         {3.5, 4},           {-2.5, -2},
                                                   {2.5000001, 3},   {40000.0, 32767},   {-40000.0, -32768},
                                                   {std::nan(""), 0}};
  for (const auto& [value, rounded] : cases)
    EXPECT_EQ(roundToInt16(value), rounded) << value;
}

TEST(NumberText, formatPatternsDropALeadingZeroOnlyWhenAsked) {
  EXPECT_EQ(formatNumber(500 / 1000.0 * 338 / 60 / 20, 1, false), ".1");
  EXPECT_EQ(formatNumber(0.04, 1, true), "0.0");
  EXPECT_EQ(formatNumber(799.6, 0, true), "800");
}

} // namespace
} // namespace orvane
