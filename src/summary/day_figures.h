#pragma once

#include "limits/limit.h"
#include "link/link_health.h"
#include "session_log/session_log_format.h"
#include "summary/local_days.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace orvane {

// A trip of Events.CSV; only a log with clock times has any.
struct TripSeen {
  double time = 0; // seconds since the epoch
  std::string text;
};

// The figures of one local day, or of the whole range.
struct DayFigures {
  std::optional<LocalDay> day; // none for the whole range, and for a log without clock times
  std::size_t samples = 0;
  std::size_t missingSamples = 0; // slots of the sample interval with no sample
  double runningSeconds = 0;      // frequency not zero, a sample interval for each such sample
  int starts = 0;                 // frequency leaving zero
  int reversals = 0;              // the signed frequency changing sign
  std::vector<TripSeen> trips;
  std::optional<double> peakCurrent; // A
  double peakCurrentTime = 0;
  std::optional<double> dcLinkMin;
  std::optional<double> dcLinkMax;
  double dcLinkSum = 0;
  std::vector<double> secondsBeyond; // one a limit, in the limits' order
  std::optional<LinkHealth> link;    // summed from Events.CSV; none when it told nothing of the link

  void merge(const DayFigures& other);
};

struct Summary {
  std::vector<DayFigures> days; // in date order; none for a log without clock times
  DayFigures total;
  std::vector<Limit> limits;
  bool clockTimes = true;
};

// What the figures are taken from: the clock times in [from, to), each end open when not given.
struct SummaryRange {
  std::optional<double> from;
  std::optional<double> to;
};

// The sample interval from the smallest step between samples, to the tenth of a second the
// program's rates come in (a float time column is a little off it).
double sampleInterval(double smallestStep);

// Sums up samples in time order, day by day. With clock times the samples' times are seconds
// since the epoch and each goes to its local day; without, they are seconds from the log's start
// and make one range.
class SummaryBuilder {
public:
  SummaryBuilder(std::vector<Limit> limits, SummaryRange range, bool clockTimes);

  // `interval`: the sample interval of the sample's file; 0 when it is not known.
  void add(const Sample& sample, double interval);
  void addTrip(double time, std::string text);
  // The link's counts of an Events.CSV line: those since the line before.
  void addLinkHealth(double time, const LinkHealth& counts);
  bool empty() const { return !first_; }
  Summary finish();

private:
  DayFigures& dayOf(double time);
  // `count` slots from `firstSlot` on, `interval` apart, each on the day it falls in.
  void addMissing(double firstSlot, std::size_t count, double interval);
  bool inRange(double time) const {
    return (!range_.from || time >= *range_.from) && (!range_.to || time < *range_.to);
  }

  std::vector<Limit> limits_;
  SummaryRange range_;
  bool clockTimes_;
  std::map<double, DayFigures> days_; // by the day's beginning
  DayFigures* current_ = nullptr;
  std::optional<Sample> first_;
  std::optional<Sample> previous_;
  double firstInterval_ = 0;
  double lastInterval_ = 0;
  int lastSign_ = 0;
};

} // namespace orvane
