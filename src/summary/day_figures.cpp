#include "summary/day_figures.h"

#include <algorithm>
#include <cmath>

namespace orvane {
namespace {

// A step is a whole number of slots; what a float time column adds to it is no slot.
constexpr double kSlotTolerance = 1e-6;

void keepLeast(std::optional<double>& kept, const std::optional<double>& value) {
  if (value && (!kept || *value < *kept))
    kept = value;
}

void keepGreatest(std::optional<double>& kept, const std::optional<double>& value) {
  if (value && (!kept || *value > *kept))
    kept = value;
}

} // namespace

double sampleInterval(double smallestStep) {
  constexpr double kTenth = 0.1;
  return smallestStep >= kTenth / 2 ? std::round(smallestStep / kTenth) * kTenth : smallestStep;
}

void DayFigures::merge(const DayFigures& other) {
  samples += other.samples;
  missingSamples += other.missingSamples;
  runningSeconds += other.runningSeconds;
  starts += other.starts;
  reversals += other.reversals;
  trips.insert(trips.end(), other.trips.begin(), other.trips.end());
  if (other.link)
    link = link.value_or(LinkHealth{}) + *other.link;
  if (other.peakCurrent && (!peakCurrent || *other.peakCurrent > *peakCurrent)) {
    peakCurrent = other.peakCurrent;
    peakCurrentTime = other.peakCurrentTime;
  }
  keepLeast(dcLinkMin, other.dcLinkMin);
  keepGreatest(dcLinkMax, other.dcLinkMax);
  dcLinkSum += other.dcLinkSum;
  secondsBeyond.resize(std::max(secondsBeyond.size(), other.secondsBeyond.size()));
  for (std::size_t at = 0; at < other.secondsBeyond.size(); ++at)
    secondsBeyond[at] += other.secondsBeyond[at];
}

SummaryBuilder::SummaryBuilder(std::vector<Limit> limits, SummaryRange range, bool clockTimes)
    : limits_(std::move(limits)), range_(range), clockTimes_(clockTimes) {}

DayFigures& SummaryBuilder::dayOf(double time) {
  if (current_ && (!current_->day || current_->day->holds(time)))
    return *current_;
  const std::optional<LocalDay> day = clockTimes_ ? std::optional(localDayOf(time)) : std::nullopt;
  DayFigures& figures = days_[day ? day->begins : 0];
  figures.day = day;
  figures.secondsBeyond.resize(limits_.size());
  current_ = &figures;
  return figures;
}

void SummaryBuilder::addMissing(double firstSlot, std::size_t count, double interval) {
  while (count > 0) {
    DayFigures& day = dayOf(firstSlot);
    std::size_t here = count;
    if (day.day)
      here = std::min(count, static_cast<std::size_t>(std::ceil((day.day->ends - firstSlot) / interval)));
    day.missingSamples += here;
    count -= here;
    firstSlot += static_cast<double>(here) * interval;
  }
}

void SummaryBuilder::add(const Sample& sample, double interval) {
  if (!inRange(sample.time))
    return;
  if (previous_ && interval > 0) {
    const double slots = std::round((sample.time - previous_->time) / interval);
    if (slots > 1)
      addMissing(previous_->time + interval, static_cast<std::size_t>(slots) - 1, interval);
  }
  DayFigures& day = dayOf(sample.time);
  ++day.samples;
  if (sample.frequency != 0) {
    day.runningSeconds += interval;
    if (previous_ && previous_->frequency == 0)
      ++day.starts;
    const int sign = sample.frequency > 0 ? 1 : -1;
    if (lastSign_ != 0 && sign != lastSign_)
      ++day.reversals;
    lastSign_ = sign;
  }
  if (!day.peakCurrent || sample.current > *day.peakCurrent) {
    day.peakCurrent = sample.current;
    day.peakCurrentTime = sample.time;
  }
  keepLeast(day.dcLinkMin, sample.dcLink);
  keepGreatest(day.dcLinkMax, sample.dcLink);
  day.dcLinkSum += sample.dcLink;
  // The limits watch the frequency unsigned, as the live watch reads it.
  const LimitReading reading{std::abs(sample.frequency), sample.current, sample.currentPercent, sample.dcLink};
  for (std::size_t at = 0; at < limits_.size(); ++at)
    if (isBeyond(limits_[at], *quantityValue(limits_[at].quantity, reading)))
      day.secondsBeyond[at] += interval;
  if (!first_) {
    first_ = sample;
    firstInterval_ = interval;
  }
  previous_ = sample;
  lastInterval_ = interval;
}

void SummaryBuilder::addTrip(double time, std::string text) {
  if (inRange(time))
    dayOf(time).trips.push_back({time, std::move(text)});
}

void SummaryBuilder::addLinkHealth(double time, const LinkHealth& counts) {
  if (!inRange(time))
    return;
  std::optional<LinkHealth>& link = dayOf(time).link;
  link = link.value_or(LinkHealth{}) + counts;
}

Summary SummaryBuilder::finish() {
  // The slots of the range asked for before the first sample and after the last.
  if (first_ && range_.from && firstInterval_ > 0) {
    const auto before = static_cast<std::size_t>((first_->time - *range_.from) / firstInterval_ + kSlotTolerance);
    addMissing(first_->time - static_cast<double>(before) * firstInterval_, before, firstInterval_);
  }
  if (previous_ && range_.to && lastInterval_ > 0) {
    const double after = std::ceil((*range_.to - previous_->time) / lastInterval_ - kSlotTolerance) - 1;
    if (after > 0)
      addMissing(previous_->time + lastInterval_, static_cast<std::size_t>(after), lastInterval_);
  }
  Summary summary;
  summary.limits = limits_;
  summary.clockTimes = clockTimes_;
  summary.total.secondsBeyond.assign(limits_.size(), 0);
  for (auto& [begins, day] : days_) {
    std::ranges::stable_sort(day.trips, {}, &TripSeen::time);
    summary.total.merge(day);
    if (clockTimes_)
      summary.days.push_back(std::move(day));
  }
  return summary;
}

} // namespace orvane
