#include "platform/image_surface.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

constexpr Rgb kFace{240, 240, 240};
constexpr Rgb kRed{255, 0, 0};

QRgb pixel(const ImageSurface& surface, int x, int y) { return surface.image().pixel(x, y) & 0xFFFFFF; }
QRgb rgb(Rgb colour) { return qRgb(colour.r, colour.g, colour.b) & 0xFFFFFF; }

int colouredInColumn(const ImageSurface& surface, int x, Rgb colour) {
  int count = 0;
  for (int y = 0; y < surface.image().height(); ++y)
    count += pixel(surface, x, y) == rgb(colour);
  return count;
}

TEST(ImageSurfaceTest, lineAppearsInItsColourWhereDrawnAndNowhereElse) {
  ImageSurface surface(1500, 1500, 1.0, kFace);
  surface.drawLine(150, 750, 1350, 750, kRed);
  EXPECT_EQ(pixel(surface, 10, 50), rgb(kRed));
  EXPECT_EQ(pixel(surface, 60, 50), rgb(kRed));
  EXPECT_EQ(pixel(surface, 90, 50), rgb(kRed));
  EXPECT_EQ(pixel(surface, 60, 49), rgb(kFace));
  EXPECT_EQ(pixel(surface, 60, 51), rgb(kFace));
  EXPECT_EQ(pixel(surface, 5, 50), rgb(kFace));
}

TEST(ImageSurfaceTest, lineRedrawnInTheBackgroundColourLeavesNoTrace) {
  ImageSurface surface(3000, 3000, 1.0, kFace);
  const QImage blank = surface.image().copy();
  surface.drawLine(570, 2500, 1230, 400, kRed);
  surface.drawLine(900, 1200, 900, 1200, kRed);
  ASSERT_NE(surface.image(), blank);
  surface.drawLine(570, 2500, 1230, 400, kFace);
  surface.drawLine(900, 1200, 900, 1200, kFace);
  EXPECT_EQ(surface.image(), blank);
}

TEST(ImageSurfaceTest, zeroLengthLineDrawsADot) {
  ImageSurface surface(1500, 1500, 1.0, kFace);
  surface.drawLine(570, 300, 570, 300, kRed);
  EXPECT_EQ(pixel(surface, 38, 20), rgb(kRed));
}

TEST(ImageSurfaceTest, lineIsOneLogicalPixelWideAtDoubleResolution) {
  ImageSurface surface(1500, 1500, 2.0, kFace);
  EXPECT_EQ(surface.image().width(), 200);
  EXPECT_EQ(surface.image().deviceIndependentSize(), QSizeF(100, 100));
  surface.drawLine(150, 750, 1350, 750, kRed);
  EXPECT_EQ(colouredInColumn(surface, 100, kRed), 2);
}

TEST(ImageSurfaceTest, clearWipesEverythingBackToTheBackground) {
  ImageSurface surface(1500, 1500, 1.0, kFace);
  const QImage blank = surface.image().copy();
  surface.drawLine(0, 0, 1500, 1500, kRed);
  surface.clear();
  EXPECT_EQ(surface.image(), blank);
}

TEST(ImageSurfaceTest, coordinatesFarOutsideTheBoxAreSafe) {
  ImageSurface surface(1500, 1500, 1.0, kFace);
  surface.drawLine(-2000000000, 750, 2000000000, 750, kRed);
  surface.drawLine(750, -70000, 750, -70000, kRed);
  EXPECT_EQ(pixel(surface, 50, 50), rgb(kRed));
}

TEST(ImageSurfaceTest, drawingSurvivesAMoveToAnotherPixelRatio) {
  ImageSurface surface(1500, 1500, 1.0, kFace);
  surface.drawLine(150, 750, 1350, 750, kRed);
  surface.setDevicePixelRatio(2.0);
  EXPECT_EQ(surface.image().width(), 200);
  EXPECT_EQ(pixel(surface, 100, 100), rgb(kRed));
}

} // namespace
} // namespace orvane
