#include "platform/image_surface.h"

#include "platform/twips.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace orvane {
namespace {

QColor toQColor(Rgb colour) { return QColor(colour.r, colour.g, colour.b); }

int devicePixels(int twips, double ratio) {
  return std::max(1, static_cast<int>(std::ceil(twips * ratio / kTwipsPerPixel)));
}

} // namespace

ImageSurface::ImageSurface(int widthTwips, int heightTwips, double devicePixelRatio, Rgb background)
    : widthTwips_(widthTwips), heightTwips_(heightTwips), ratio_(devicePixelRatio), background_(background),
      image_(blankImage(widthTwips, heightTwips, devicePixelRatio, background)) {}

QImage ImageSurface::blankImage(int widthTwips, int heightTwips, double ratio, Rgb background) {
  QImage image(devicePixels(widthTwips, ratio), devicePixels(heightTwips, ratio), QImage::Format_RGB32);
  image.fill(toQColor(background));
  image.setDevicePixelRatio(ratio);
  return image;
}

void ImageSurface::clear() {
  finishDrawing();
  image_.fill(toQColor(background_));
}

const QImage& ImageSurface::image() const {
  finishDrawing();
  return image_;
}

QPainter& ImageSurface::painter() {
  if (!painter_) {
    // Draw in device pixels, without antialiasing: a line redrawn in the
    // background colour then covers exactly the pixels it first coloured.
    image_.setDevicePixelRatio(1);
    painter_ = std::make_unique<QPainter>(&image_);
  }
  return *painter_;
}

void ImageSurface::finishDrawing() const {
  if (!painter_)
    return;
  painter_.reset();
  image_.setDevicePixelRatio(ratio_);
}

int ImageSurface::toDevice(int twips) const {
  // The graph's coordinates are 16-bit; anything beyond is pulled back to
  // that range so that a wild value can never upset the rasteriser.
  const int clamped = std::clamp(twips, -32768, 32767);
  return static_cast<int>(std::lround(clamped * ratio_ / kTwipsPerPixel));
}

void ImageSurface::drawLine(int x1, int y1, int x2, int y2, Rgb colour) {
  const QPoint from(toDevice(x1), toDevice(y1));
  const QPoint to(toDevice(x2), toDevice(y2));
  QPainter& lines = painter();
  lines.setPen(QPen(toQColor(colour), 0));
  // One logical pixel wide: at a ratio of 2 the one-pixel line is drawn as a
  // 2 x 2 bundle, which is much faster than stroking a wide pen and covers
  // the same pixels every time, so erasing stays exact.
  const int width = std::max(1, static_cast<int>(std::lround(ratio_)));
  for (int dx = 0; dx < width; ++dx) {
    for (int dy = 0; dy < width; ++dy) {
      const QPoint offset(dx, dy);
      if (from == to)
        lines.drawPoint(from + offset);
      else
        lines.drawLine(from + offset, to + offset);
    }
  }
}

void ImageSurface::setDevicePixelRatio(double ratio) {
  if (ratio == ratio_)
    return;
  finishDrawing();
  const QImage previous = image_;
  ratio_ = ratio;
  image_ = blankImage(widthTwips_, heightTwips_, ratio_, background_);
  QPainter painter(&image_);
  painter.drawImage(QRectF(QPointF(0, 0), previous.deviceIndependentSize()), previous);
}

} // namespace orvane
