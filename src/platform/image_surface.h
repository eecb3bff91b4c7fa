#pragma once

#include "platform/drawing_surface.h"

#include <QImage>
#include <QPainter>
#include <memory>

namespace orvane {

// A graph box's picture: a drawing surface in twips over an image at
// device-pixel resolution, so that what is drawn stays until it is wiped and
// lines stay one logical pixel wide and crisp at any scale.
class ImageSurface final : public DrawingSurface {
public:
  ImageSurface(int widthTwips, int heightTwips, double devicePixelRatio, Rgb background);

  void clear() override;
  void drawLine(int x1, int y1, int x2, int y2, Rgb colour) override;

  // The picture; its device pixel ratio is set, so it paints at its logical size.
  const QImage& image() const;
  Rgb background() const override { return background_; }
  double devicePixelRatio() const { return ratio_; }

  // Moves the picture to another pixel ratio (the window went to another
  // screen), keeping what is drawn.
  void setDevicePixelRatio(double ratio);

private:
  static QImage blankImage(int widthTwips, int heightTwips, double ratio, Rgb background);
  int toDevice(int twips) const;
  QPainter& painter();
  // Ends the drawing that is under way, so the picture can be read.
  void finishDrawing() const;

  int widthTwips_;
  int heightTwips_;
  double ratio_;
  Rgb background_;
  mutable QImage image_;
  // Kept open between lines: a scrolling tick draws some two thousand, and
  // opening a painter for each would cost more than drawing them.
  mutable std::unique_ptr<QPainter> painter_;
};

} // namespace orvane
