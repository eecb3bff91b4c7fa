#pragma once

#include "monitor/graph_scale.h"
#include "platform/image_surface.h"

#include <QFrame>
#include <functional>

namespace orvane {

// A graph box: a sunken picture box that keeps the traces drawn on it, in
// the box's own twips. The axes, ticks and scale labels lie above that
// picture, so neither traces nor their erasing ever touch them.
class GraphBox final : public QFrame, public DrawingSurface {
public:
  // `size` is the outer size in logical pixels, border included.
  GraphBox(const GraphScale& scale, QSize size, QWidget* parent);

  void clear() override;
  void drawLine(int x1, int y1, int x2, int y2, Rgb colour) override;
  // The colour that erases: the box's background.
  Rgb background() const override { return surface_.background(); }
  // Mouse presses, at the box's coordinates in twips.
  void setMouseDownHandler(std::function<void(float x, float y)> handler) { mouseDown_ = std::move(handler); }

protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

private:
  void addLabels();
  QPoint toPixels(int x, int y) const;

  const GraphScale& scale_;
  ImageSurface surface_;
  std::function<void(float, float)> mouseDown_;
};

} // namespace orvane
