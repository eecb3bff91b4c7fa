#include "monitor/ui/svg_image.h"

#include <QPainter>

namespace orvane {

SvgImage::SvgImage(const QString& resource, QWidget* parent) : QWidget(parent), renderer_(resource) {
  renderer_.setAspectRatioMode(Qt::KeepAspectRatio);
}

void SvgImage::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  renderer_.render(&painter, QRectF(rect()));
}

} // namespace orvane
