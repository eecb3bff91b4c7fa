#pragma once

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <optional>

namespace orvane {

// A value at a place in a series of points with `key` (time) and `value`,
// sorted by key.
struct Extreme {
  double value = 0;
  double time = 0;
  std::size_t index = 0;
};

struct RangeStatistics {
  Extreme minimum;
  Extreme maximum;
  double mean = 0;
  std::size_t count = 0;
};

// The points of [first, last) whose keys lie within [from, to].
template <typename Iterator>
std::pair<Iterator, Iterator> pointsBetween(Iterator first, Iterator last, double from, double to) {
  const auto below = [](const auto& point, double key) { return point.key < key; };
  const auto above = [](double key, const auto& point) { return key < point.key; };
  const Iterator begin = std::lower_bound(first, last, from, below);
  return {begin, std::upper_bound(begin, last, to, above)};
}

// Minimum, maximum (the first of equal ones) and mean of the points of
// [first, last) with keys in [from, to]; indices count from `first`.
template <typename Iterator>
std::optional<RangeStatistics> rangeStatistics(Iterator first, Iterator last, double from, double to) {
  const auto [begin, end] = pointsBetween(first, last, from, to);
  if (begin == end)
    return std::nullopt;
  Iterator lowest = begin;
  Iterator highest = begin;
  double sum = 0;
  for (Iterator point = begin; point != end; ++point) {
    sum += point->value;
    if (point->value < lowest->value)
      lowest = point;
    if (point->value > highest->value)
      highest = point;
  }
  const auto extreme = [first](Iterator point) {
    return Extreme{point->value, point->key, static_cast<std::size_t>(std::distance(first, point))};
  };
  const auto count = static_cast<std::size_t>(std::distance(begin, end));
  return RangeStatistics{extreme(lowest), extreme(highest), sum / static_cast<double>(count), count};
}

// The index of the point whose key is nearest to `key` (the earlier of two
// equally near); none in an empty series.
template <typename Iterator> std::optional<std::size_t> nearestPoint(Iterator first, Iterator last, double key) {
  if (first == last)
    return std::nullopt;
  const auto below = [](const auto& point, double at) { return point.key < at; };
  Iterator after = std::lower_bound(first, last, key, below);
  if (after == last || (after != first && key - std::prev(after)->key <= after->key - key))
    --after;
  return static_cast<std::size_t>(std::distance(first, after));
}

} // namespace orvane
