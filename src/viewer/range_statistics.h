#pragma once

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <optional>

namespace orvane {

// A value of a series and the time and index of its sample.
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
