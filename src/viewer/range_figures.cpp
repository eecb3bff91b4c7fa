#include "viewer/range_figures.h"

#include <algorithm>

namespace orvane {

RangeFiguresInSlices::RangeFiguresInSlices(const SampleStore& store, const FiguresRange& range,
                                           const std::vector<Limit>& limits)
    : store_(store), range_(range), builder_(limits, range.time, false), next_(range.first) {}

bool RangeFiguresInSlices::addUpTo(std::size_t count) {
  const std::size_t end = std::min(range_.last, next_ + count);
  for (; next_ < end; ++next_)
    builder_.add({store_.time(next_), store_.value(Frequency, next_), store_.value(Current, next_),
                  store_.currentPercent(next_), store_.value(DcLink, next_)},
                 range_.interval);
  return next_ == range_.last;
}

DayFigures RangeFiguresInSlices::finish() {
  if (range_.events)
    for (const TimelineEvent& event : *range_.events)
      if (event.kind == "trip")
        builder_.addTrip(event.time - range_.origin, event.text);
  if (builder_.empty())
    return {};
  return builder_.finish().total;
}

} // namespace orvane
