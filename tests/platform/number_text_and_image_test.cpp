#include "platform/image_surface.h"
#include "platform/number_text.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

// The everyday forms are checked where they are shown (log, read-outs,
// Reading); these are the edges.
TEST(NumberText, plainTextDropsTrailingZerosAndTheSignOfZero) {
  EXPECT_EQ(plainText(-12.25f), "-12.25");
  EXPECT_EQ(plainText(-0.0f), "0");
  EXPECT_EQ(plainText(60 / 10.0 + 0.0), "6");
}

TEST(NumberText, roundingHalvesGoToEvenAndClampsToTheSixteenBitRange) {
  const std::pair<double, std::int16_t> cases[] = {
      {2.5, 2}, {3.5, 4}, {-2.5, -2}, {2.5000001, 3}, {40000.0, 32767}, {-40000.0, -32768}, {std::nan(""), 0}};
  for (const auto& [value, rounded] : cases)
    EXPECT_EQ(roundToInt16(value), rounded) << value;
}

TEST(NumberText, formatPatternsDropALeadingZeroOnlyWhenAsked) {
  EXPECT_EQ(formatNumber(500 / 1000.0 * 338 / 60 / 20, 1, false), ".1");
  EXPECT_EQ(formatNumber(0.04, 1, true), "0.0");
  EXPECT_EQ(formatNumber(799.6, 0, true), "800");
}

constexpr Rgb kFace{240, 240, 240};
constexpr Rgb kRed{255, 0, 0};

QRgb pixel(const ImageSurface& surface, int x, int y) { return surface.image().pixel(x, y) & 0xFFFFFF; }
QRgb rgb(Rgb colour) { return qRgb(colour.r, colour.g, colour.b) & 0xFFFFFF; }

int redInColumn(const ImageSurface& surface, int x) {
  int count = 0;
  for (int y = 0; y < surface.image().height(); ++y)
    count += pixel(surface, x, y) == rgb(kRed);
  return count;
}

// Traces, erasing and clearing on the graph's surfaces are checked in the
// graph's own tests; these are the surface's edges.
TEST(ImageSurfaceTest, lineIsOneLogicalPixelWideAtEitherDensityAndAZeroLengthLineIsADot) {
  ImageSurface surface(1500, 1500, 1.0, kFace);
  surface.drawLine(150, 750, 1350, 750, kRed);
  surface.drawLine(570, 300, 570, 300, kRed);
  EXPECT_EQ(redInColumn(surface, 60), 1);
  EXPECT_EQ(pixel(surface, 5, 50), rgb(kFace));
  EXPECT_EQ(pixel(surface, 38, 20), rgb(kRed));

  ImageSurface dense(1500, 1500, 2.0, kFace);
  EXPECT_EQ(dense.image().deviceIndependentSize(), QSizeF(100, 100));
  dense.drawLine(150, 750, 1350, 750, kRed);
  EXPECT_EQ(redInColumn(dense, 100), 2);
}

TEST(ImageSurfaceTest, coordinatesFarOutsideTheBoxAreSafe) {
  ImageSurface surface(1500, 1500, 1.0, kFace);
  surface.drawLine(-2000000000, 750, 2000000000, 750, kRed);
  surface.drawLine(750, -70000, 750, -70000, kRed);
  EXPECT_EQ(pixel(surface, 50, 50), rgb(kRed));
}

} // namespace
} // namespace orvane
