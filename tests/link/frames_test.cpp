#include "link/frames.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

// The memory read and the panel probe's frames are checked on the wire by
// the link's and the identification's tests; the reset frames by the session's.
TEST(Frames, panelBlockReadIsByteExact) {
  EXPECT_EQ(commandFrame(command::kReadPanelBlock, 3), (Bytes{0x01, 0x24, 0x03, 0x00, 0x27}));
  EXPECT_EQ(dataFrame(Bytes{0x02, 0x00, 0x00}), (Bytes{0x02, 0x02, 0x00, 0x00, 0x02}));
}

TEST(Frames, valueAssemblyForEveryLengthAndZeroForAnyOther) {
  EXPECT_EQ(assembleValue(Bytes{0xAA, 0x7F, 0xBB}, 1), 0x7Fu);
  EXPECT_EQ(assembleValue(Bytes{0xAA, 0x13, 0x88, 0xBB}, 2), 5000u);
  EXPECT_EQ(assembleValue(Bytes{0xAA, 0x01, 0x86, 0xA0, 0xBB}, 3), 100000u);
  EXPECT_EQ(assembleValue(Bytes{0xAA, 0x00, 0x01, 0x86, 0xA0, 0xBB}, 4), 100000u);
  EXPECT_EQ(assembleValue(Bytes{0xAA, 0xFF, 0xFF, 0xFF, 0xFF, 0xBB}, 4), 0xFFFFFFFFu);
  EXPECT_EQ(assembleValue(Bytes{0xAA, 0x13, 0x88, 0xBB}, 0), 0u);
  EXPECT_EQ(assembleValue(Bytes{0xAA, 0x13, 0x88, 0x00, 0x00, 0x00, 0xBB}, 5), 0u);
  EXPECT_EQ(assembleValue(Bytes{0xAA, 0x13}, 2), 0u);
}

} // namespace
} // namespace orvane
