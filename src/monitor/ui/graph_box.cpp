#include "monitor/ui/graph_box.h"

#include "platform/twips.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace orvane {
namespace {

constexpr int kBorder = 2;

Rgb toRgb(const QColor& colour) {
  return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
          static_cast<std::uint8_t>(colour.blue())};
}

ImageSurface surfaceFor(QSize size, const QWidget& box) {
  const int width = (size.width() - 2 * kBorder) * kTwipsPerPixel;
  const int height = (size.height() - 2 * kBorder) * kTwipsPerPixel;
  return ImageSurface(width, height, box.devicePixelRatioF(), toRgb(box.palette().color(QPalette::Button)));
}

} // namespace

GraphBox::GraphBox(const GraphScale& scale, QSize size, QWidget* parent)
    : QFrame(parent), scale_(scale), surface_(surfaceFor(size, *this)) {
  setFixedSize(size);
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(kBorder);
  QPalette face = palette();
  face.setColor(QPalette::Window, face.color(QPalette::Button));
  setPalette(face);
  setAutoFillBackground(true);
  addLabels();
}

void GraphBox::clear() {
  surface_.clear();
  update();
}

void GraphBox::drawLine(int x1, int y1, int x2, int y2, Rgb colour) {
  surface_.drawLine(x1, y1, x2, y2, colour);
  update(contentsRect());
}

QPoint GraphBox::toPixels(int x, int y) const {
  return contentsRect().topLeft() + QPoint(twipsToPixels(x), twipsToPixels(y));
}

void GraphBox::addLabels() {
  QFont small = font();
  small.setPointSizeF(7.5);
  const int right = contentsRect().right() + 1;
  for (const ScaleLabel& scaleLabel : scale_.labels) {
    auto* label = new QLabel(QString::fromStdString(scaleLabel.caption), this);
    label->setFont(small);
    QPalette text = label->palette();
    text.setColor(QPalette::WindowText, QColor(scaleLabel.colour.r, scaleLabel.colour.g, scaleLabel.colour.b));
    label->setPalette(text);
    label->move(toPixels(scaleLabel.x, scaleLabel.y));
    label->adjustSize();
    if (!scaleLabel.name.empty()) {
      // Its caption is set later, so it gets the room up to the right edge.
      label->setObjectName(QString::fromStdString(scaleLabel.name));
      label->resize(right - label->x(), label->height());
    } else if (label->geometry().right() >= right) {
      label->setWordWrap(true);
      label->setFixedWidth(right - label->x());
      label->adjustSize();
    }
  }
}

void GraphBox::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  if (devicePixelRatioF() != surface_.devicePixelRatio())
    surface_.setDevicePixelRatio(devicePixelRatioF());
  QPainter painter(this);
  painter.setClipRect(contentsRect());
  painter.drawImage(contentsRect().topLeft(), surface_.image());
  painter.setPen(QPen(QColor(kGridColour.r, kGridColour.g, kGridColour.b), 1));
  for (const GridLine& line : scale_.lines)
    painter.drawLine(toPixels(line.x1, line.y1), toPixels(line.x2, line.y2));
}

void GraphBox::mousePressEvent(QMouseEvent* event) {
  if (!mouseDown_)
    return;
  const QPointF at = event->position() - QPointF(contentsRect().topLeft());
  mouseDown_(static_cast<float>(at.x() * kTwipsPerPixel), static_cast<float>(at.y() * kTwipsPerPixel));
}

} // namespace orvane
