#include "viewer/range_figures.h"

#include <algorithm>

namespace orvane {

DayFigures rangeFigures(const SampleStore& store, const FiguresRange& range, const std::vector<Limit>& limits) {
  SummaryBuilder builder(limits, range.time, false);
  for (std::size_t at = range.first; at < range.last; ++at)
    builder.add({store.time(at), store.value(Frequency, at), store.value(Current, at), store.currentPercent(at),
                 store.value(DcLink, at)},
                range.interval);
  if (range.events)
    for (const TimelineEvent& event : *range.events)
      if (event.kind == "trip")
        builder.addTrip(event.time - range.origin, event.text);
  if (builder.empty())
    return {};
  return builder.finish().total;
}

} // namespace orvane
