#include "viewer/ui/limit_marks.h"

#include <cmath>

namespace orvane {
namespace {

constexpr int kBandAlpha = 48;

Quantity plotOf(LimitQuantity quantity) {
  switch (quantity) {
  case LimitQuantity::FrequencyHz:
    return Frequency;
  case LimitQuantity::CurrentA:
  case LimitQuantity::CurrentPercent:
    return Current;
  case LimitQuantity::DcLinkV:
    break;
  }
  return DcLink;
}

} // namespace

LimitMarks::LimitMarks(QCPAxis* keyAxis, QCPAxis* valueAxis, const SampleStore& store, Quantity quantity,
                       QColor colour)
    : QCPAbstractPlottable(keyAxis, valueAxis), store_(store), quantity_(quantity), colour_(colour) {}

void LimitMarks::setSession(std::size_t first, std::size_t last, std::optional<double> percentPerAmpere) {
  first_ = first;
  last_ = last;
  percentPerAmpere_ = percentPerAmpere;
}

bool LimitMarks::onThisPlot(const Limit& limit) const { return plotOf(limit.quantity) == quantity_; }

std::optional<double> LimitMarks::axisValue(const Limit& limit) const {
  if (limit.quantity != LimitQuantity::CurrentPercent)
    return limit.value;
  if (!percentPerAmpere_ || *percentPerAmpere_ <= 0)
    return std::nullopt;
  return limit.value / *percentPerAmpere_;
}

double LimitMarks::selectTest(const QPointF& /*pos*/, bool /*onlySelectable*/, QVariant* /*details*/) const {
  return -1;
}

QCPRange LimitMarks::getKeyRange(bool& foundRange, QCP::SignDomain /*inSignDomain*/) const {
  foundRange = false;
  return {};
}

QCPRange LimitMarks::getValueRange(bool& foundRange, QCP::SignDomain /*inSignDomain*/,
                                   const QCPRange& /*inKeyRange*/) const {
  foundRange = false;
  return {};
}

void LimitMarks::draw(QCPPainter* painter) {
  if (!spans_ || spans_->limits().empty() || first_ >= last_ || !mKeyAxis || !mValueAxis)
    return;
  const QRect rect = mKeyAxis->axisRect()->rect();
  painter->setAntialiasing(false);
  drawBands(painter, rect);
  drawLines(painter, rect);
}

// Whole pixel columns from the raising sample's to the clearing sample's, so that a band's
// edges fall where the samples are drawn.
void LimitMarks::drawBands(QCPPainter* painter, const QRect& rect) {
  const QCPRange range = mKeyAxis->range();
  const double lastTime = store_.time(last_ - 1);
  QColor fill = colour_;
  fill.setAlpha(kBandAlpha);
  for (const LimitSpan& span : spans_->spans()) {
    const double to = span.to.value_or(lastTime);
    if (span.sample < first_ || span.sample >= last_ || !onThisPlot(spans_->limits()[span.limit]) ||
        to < range.lower || span.from > range.upper)
      continue;
    const double left = std::max(std::round(mKeyAxis->coordToPixel(span.from)), double(rect.left()));
    const double right = std::min(std::round(mKeyAxis->coordToPixel(to)), double(rect.right()));
    painter->fillRect(QRectF(left, rect.top(), right - left + 1, rect.height()), fill);
  }
}

void LimitMarks::drawLines(QCPPainter* painter, const QRect& rect) {
  painter->setPen(QPen(colour_, 1, Qt::DashLine));
  const QFontMetrics metrics(painter->font());
  for (const Limit& limit : spans_->limits()) {
    const std::optional<double> value = onThisPlot(limit) ? axisValue(limit) : std::nullopt;
    if (!value)
      continue;
    const double y = std::round(mValueAxis->coordToPixel(*value));
    if (y < rect.top() || y > rect.bottom())
      continue;
    painter->drawLine(QLineF(rect.left(), y, rect.right(), y));
    painter->drawText(QPointF(rect.left() + 4, y - metrics.descent() - 1), QString::fromStdString(limit.name));
  }
}

void LimitMarks::drawLegendIcon(QCPPainter* /*painter*/, const QRectF& /*rect*/) const {}

} // namespace orvane
