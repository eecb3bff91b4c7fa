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

void ImageSurface::clear() { image_.fill(toQColor(background_)); }

int ImageSurface::toDevice(int twips) const {
  // The graph's coordinates are 16-bit; anything beyond is pulled back to
  // that range so that a wild value can never upset the rasteriser.
  const int clamped = std::clamp(twips, -32768, 32767);
  return static_cast<int>(std::lround(clamped * ratio_ / kTwipsPerPixel));
}

void ImageSurface::drawLine(int x1, int y1, int x2, int y2, Rgb colour) {
  const QPoint from(toDevice(x1), toDevice(y1));
  const QPoint to(toDevice(x2), toDevice(y2));
  // Draw in device pixels, without antialiasing: a line redrawn in the
  // background colour then covers exactly the pixels it first coloured.
  image_.setDevicePixelRatio(1);
  {
    QPainter painter(&image_);
    const int width = std::max(1, static_cast<int>(std::lround(ratio_)));
    painter.setPen(QPen(toQColor(colour), width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    if (from == to)
      painter.drawPoint(from);
    else
      painter.drawLine(from, to);
  }
  image_.setDevicePixelRatio(ratio_);
}

void ImageSurface::setDevicePixelRatio(double ratio) {
  if (ratio == ratio_)
    return;
  const QImage previous = image_;
  ratio_ = ratio;
  image_ = blankImage(widthTwips_, heightTwips_, ratio_, background_);
  QPainter painter(&image_);
  painter.drawImage(QRectF(QPointF(0, 0), previous.deviceIndependentSize()), previous);
}

} // namespace orvane
