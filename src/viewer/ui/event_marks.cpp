#include "viewer/ui/event_marks.h"

#include <algorithm>

namespace orvane {

QColor eventColour(const std::string& kind) {
  if (kind == "trip")
    return {220, 0, 0};
  if (kind == "trip cleared")
    return {0, 160, 0};
  if (kind.rfind("limit", 0) == 0)
    return {255, 140, 0};
  return {128, 0, 160};
}

EventMarks::EventMarks(QCPAxis* keyAxis, QCPAxis* valueAxis) : QCPAbstractPlottable(keyAxis, valueAxis) {}

void EventMarks::setEvents(const std::vector<TimelineEvent>* events, double origin) {
  events_ = events;
  origin_ = origin;
}

double EventMarks::selectTest(const QPointF& /*pos*/, bool /*onlySelectable*/, QVariant* /*details*/) const {
  return -1;
}

QCPRange EventMarks::getKeyRange(bool& foundRange, QCP::SignDomain /*inSignDomain*/) const {
  foundRange = false;
  return {};
}

QCPRange EventMarks::getValueRange(bool& foundRange, QCP::SignDomain /*inSignDomain*/,
                                   const QCPRange& /*inKeyRange*/) const {
  foundRange = false;
  return {};
}

void EventMarks::draw(QCPPainter* painter) {
  if (!events_ || events_->empty() || !mKeyAxis || !mValueAxis)
    return;
  const QCPRange range = mKeyAxis->range();
  const QRect rect = mKeyAxis->axisRect()->rect();
  painter->setAntialiasing(false);
  const auto first = std::lower_bound(events_->begin(), events_->end(), range.lower + origin_,
                                      [](const TimelineEvent& event, double time) { return event.time < time; });
  // Trips last, so that another event in the same pixel column does not hide one.
  for (const bool trips : {false, true})
    for (auto at = first; at != events_->end() && at->time - origin_ <= range.upper; ++at) {
      if ((at->kind == "trip") != trips)
        continue;
      const double x = std::round(mKeyAxis->coordToPixel(at->time - origin_));
      painter->setPen(QPen(eventColour(at->kind), 1));
      painter->drawLine(QLineF(x, rect.top(), x, rect.bottom()));
    }
}

void EventMarks::drawLegendIcon(QCPPainter* /*painter*/, const QRectF& /*rect*/) const {}

} // namespace orvane
