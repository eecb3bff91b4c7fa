#include "viewer/ui/trace_plottable.h"

#include <cmath>

namespace orvane {
namespace {

// Fewer samples than this many a pixel column are drawn one by one.
constexpr double kSamplesPerColumnDrawnWhole = 4;

} // namespace

TracePlottable::TracePlottable(QCPAxis* keyAxis, QCPAxis* valueAxis, const SampleStore& store, Quantity quantity)
    : QCPAbstractPlottable(keyAxis, valueAxis), store_(store), quantity_(quantity) {}

void TracePlottable::setSamples(std::size_t first, std::size_t last) {
  first_ = first;
  last_ = last;
}

double TracePlottable::selectTest(const QPointF& /*pos*/, bool /*onlySelectable*/, QVariant* /*details*/) const {
  return -1;
}

QCPRange TracePlottable::getKeyRange(bool& foundRange, QCP::SignDomain /*inSignDomain*/) const {
  foundRange = first_ < last_;
  return foundRange ? QCPRange(store_.time(first_), store_.time(last_ - 1)) : QCPRange();
}

QCPRange TracePlottable::getValueRange(bool& foundRange, QCP::SignDomain /*inSignDomain*/,
                                       const QCPRange& /*inKeyRange*/) const {
  const MinMax extremes = store_.extremes(quantity_, first_, last_);
  foundRange = !extremes.empty();
  return foundRange ? QCPRange(extremes.minimum, extremes.maximum) : QCPRange();
}

QPointF TracePlottable::pixel(double key, float value) const {
  return {mKeyAxis->coordToPixel(key), mValueAxis->coordToPixel(value)};
}

void TracePlottable::draw(QCPPainter* painter) {
  if (first_ >= last_ || !mKeyAxis || !mValueAxis)
    return;
  const QCPRange range = mKeyAxis->range();
  // One sample beyond each edge, so that the line runs to the border.
  std::size_t begin = store_.firstAtOrAfter(first_, last_, range.lower);
  std::size_t end = store_.firstAfter(begin, last_, range.upper);
  begin -= begin > first_ ? 1 : 0;
  end += end < last_ ? 1 : 0;
  const double columns = std::abs(mKeyAxis->coordToPixel(range.upper) - mKeyAxis->coordToPixel(range.lower));
  const bool spans = static_cast<double>(end - begin) > kSamplesPerColumnDrawnWhole * std::max(columns, 1.0);
  if (spans)
    // Spans a pixel column wide gain nothing from smoothing, and draw far quicker without it.
    painter->setAntialiasing(false);
  else
    applyDefaultAntialiasingHint(painter);
  painter->setPen(mPen);
  painter->setBrush(Qt::NoBrush);
  std::size_t from = begin;
  if (gaps_)
    for (const Gap& gap : gaps_->within(begin, end)) {
      drawRun(painter, from, gap.before, spans);
      from = gap.before;
    }
  drawRun(painter, from, end, spans);
}

void TracePlottable::drawRun(QCPPainter* painter, std::size_t begin, std::size_t end, bool spans) {
  points_.clear();
  lastColumn_.reset();
  if (!spans) {
    for (std::size_t i = begin; i < end; ++i)
      points_.append(pixel(store_.time(i), store_.value(quantity_, i)));
  } else {
    for (std::size_t i = begin; i < end;) {
      const double column = std::floor(mKeyAxis->coordToPixel(store_.time(i)));
      const std::size_t next = store_.nextAtOrAfter(i + 1, end, mKeyAxis->pixelToCoord(column + 1));
      const MinMax extremes = store_.extremes(quantity_, i, next);
      for (const float value :
           {store_.value(quantity_, i), extremes.minimum, extremes.maximum, store_.value(quantity_, next - 1)})
        points_.append({column, mValueAxis->coordToPixel(value)});
      i = next;
    }
    lastColumn_ = points_.back().x();
    const double minimumAt = points_[points_.size() - 3].y();
    const double maximumAt = points_[points_.size() - 2].y();
    spanTop_ = std::round(std::min(minimumAt, maximumAt));
    spanBottom_ = std::round(std::max(minimumAt, maximumAt));
  }
  painter->drawPolyline(points_.constData(), static_cast<int>(points_.size()));
}

bool TracePlottable::changesPicture(std::size_t first, std::size_t last) const {
  if (!lastColumn_)
    return true;
  for (std::size_t i = first; i < last; ++i) {
    const QPointF at = pixel(store_.time(i), store_.value(quantity_, i));
    const double row = std::round(at.y());
    if (std::floor(at.x()) != *lastColumn_ || row < spanTop_ || row > spanBottom_)
      return true;
  }
  return false;
}

void TracePlottable::drawLegendIcon(QCPPainter* painter, const QRectF& rect) const {
  painter->setPen(mPen);
  painter->drawLine(QLineF(rect.left(), rect.center().y(), rect.right(), rect.center().y()));
}

} // namespace orvane
