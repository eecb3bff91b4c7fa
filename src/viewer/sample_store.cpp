#include "viewer/sample_store.h"

#include <algorithm>

namespace orvane {

void SampleStore::clear() {
  pieces_.clear();
  size_ = 0;
  for (BlockSummary& summary : summaries_)
    summary.clear();
  for (MinMaxLevels& levels : levels_)
    levels.clear();
}

// A piece at a time, a column at a time: the summaries then take each
// quantity's values in one run.
void SampleStore::append(std::span<const Sample> samples) {
  while (!samples.empty()) {
    if (size_ % kPiece == 0)
      pieces_.push_back(std::make_unique_for_overwrite<Piece>());
    Piece& into = *pieces_.back();
    const std::size_t at = size_ % kPiece;
    const std::span<const Sample> run = samples.first(std::min(kPiece - at, samples.size()));
    storeTimes(into, at, run);
    for (std::size_t i = 0; i < run.size(); ++i) {
      into.values[Frequency][at + i] = static_cast<float>(run[i].frequency);
      into.values[Current][at + i] = static_cast<float>(run[i].current);
      into.values[DcLink][at + i] = static_cast<float>(run[i].dcLink);
      into.values[kPercent][at + i] = static_cast<float>(run[i].currentPercent);
    }
    for (int quantity = 0; quantity < kPlottedQuantities; ++quantity) {
      const std::span<const float> values(into.values[quantity] + at, run.size());
      summaries_[quantity].append(values);
      levels_[quantity].append(values);
    }
    size_ += run.size();
    samples = samples.subspan(run.size());
  }
}

// A piece keeps its times as floats until one of them is not a float.
void SampleStore::storeTimes(Piece& into, std::size_t at, std::span<const Sample> run) {
  std::size_t i = 0;
  if (!into.wideTimes) {
    for (; i < run.size(); ++i) {
      const auto narrowTime = static_cast<float>(run[i].time);
      if (static_cast<double>(narrowTime) != run[i].time)
        break;
      into.times[at + i] = narrowTime;
    }
    if (i == run.size())
      return;
    into.wideTimes = std::make_unique_for_overwrite<double[]>(kPiece);
    std::copy(into.times, into.times + at + i, into.wideTimes.get());
  }
  for (; i < run.size(); ++i)
    into.wideTimes[at + i] = run[i].time;
}

std::size_t SampleStore::firstAtOrAfter(std::size_t first, std::size_t last, double key) const {
  while (first < last) {
    const std::size_t middle = first + (last - first) / 2;
    if (time(middle) < key)
      first = middle + 1;
    else
      last = middle;
  }
  return first;
}

std::size_t SampleStore::firstAfter(std::size_t first, std::size_t last, double key) const {
  while (first < last) {
    const std::size_t middle = first + (last - first) / 2;
    if (!(key < time(middle)))
      first = middle + 1;
    else
      last = middle;
  }
  return first;
}

std::size_t SampleStore::nextAtOrAfter(std::size_t first, std::size_t last, double key) const {
  std::size_t step = 1;
  while (first + step < last && time(first + step) < key) {
    first += step;
    step *= 2;
  }
  return firstAtOrAfter(first, std::min(first + step, last), key);
}

std::optional<std::size_t> SampleStore::nearest(std::size_t first, std::size_t last, double key) const {
  if (first >= last)
    return std::nullopt;
  std::size_t after = firstAtOrAfter(first, last, key);
  if (after == last || (after != first && key - time(after - 1) <= time(after) - key))
    --after;
  return after;
}

std::optional<RangeStatistics> SampleStore::statistics(Quantity quantity, std::size_t first,
                                                       std::size_t last) const {
  return summaries_[quantity].over(
      first, last, [&](std::size_t i) { return static_cast<double>(value(quantity, i)); },
      [&](std::size_t i) { return time(i); });
}

MinMax SampleStore::extremes(Quantity quantity, std::size_t first, std::size_t last) const {
  return levels_[quantity].over(first, last, [&](std::size_t i) { return value(quantity, i); });
}

} // namespace orvane
