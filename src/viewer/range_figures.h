#pragma once

#include "summary/day_figures.h"
#include "timeline/timeline_events.h"
#include "viewer/sample_store.h"

#include <vector>

namespace orvane {

// What the summary's figures of a stretch of the store are taken over: the samples [first, last)
// within the time range [from, to) (the store's own times), the trips of the events (seconds
// since the epoch, `origin` being the clock time of the store's zero), and the sample interval.
struct FiguresRange {
  std::size_t first = 0;
  std::size_t last = 0;
  SummaryRange time;
  double interval = 0;
  const std::vector<TimelineEvent>* events = nullptr;
  double origin = 0;
};

// The figures `--summary` gives for the same samples and range, by its own rules: the running
// hours, starts, reversals, trips, peak current, time above each limit, DC link and samples
// missing; their times are the store's. They are taken a slice of samples at a time, so that a
// month in view never holds the window's thread for long; the store must keep the range's samples
// until they are finished.
class RangeFiguresInSlices {
public:
  RangeFiguresInSlices(const SampleStore& store, const FiguresRange& range, const std::vector<Limit>& limits);

  // Adds at most `count` more samples; true once all of them are in.
  bool addUpTo(std::size_t count);
  DayFigures finish();

private:
  const SampleStore& store_;
  FiguresRange range_;
  SummaryBuilder builder_;
  std::size_t next_;
};

} // namespace orvane
