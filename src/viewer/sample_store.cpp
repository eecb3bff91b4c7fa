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

void SampleStore::append(const Sample& sample) {
  if (size_ % kPiece == 0)
    pieces_.push_back(std::make_unique_for_overwrite<Piece>());
  Piece& into = *pieces_.back();
  const std::size_t at = size_ % kPiece;
  const float values[kPlottedQuantities + 1] = {
      static_cast<float>(sample.frequency), static_cast<float>(sample.current), static_cast<float>(sample.dcLink),
      static_cast<float>(sample.currentPercent)};
  const auto narrowTime = static_cast<float>(sample.time);
  if (!into.wideTimes && static_cast<double>(narrowTime) != sample.time) {
    into.wideTimes = std::make_unique_for_overwrite<double[]>(kPiece);
    std::copy(into.times, into.times + at, into.wideTimes.get());
  }
  if (into.wideTimes)
    into.wideTimes[at] = sample.time;
  else
    into.times[at] = narrowTime;
  for (int quantity = 0; quantity <= kPlottedQuantities; ++quantity)
    into.values[quantity][at] = values[quantity];
  for (int quantity = 0; quantity < kPlottedQuantities; ++quantity) {
    summaries_[quantity].append(values[quantity]);
    levels_[quantity].append(values[quantity]);
  }
  ++size_;
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
