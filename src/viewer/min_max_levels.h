#pragma once

#include <algorithm>
#include <cstddef>
#include <limits>
#include <span>
#include <vector>

namespace orvane {

struct MinMax {
  float minimum = std::numeric_limits<float>::infinity();
  float maximum = -std::numeric_limits<float>::infinity();
  void take(float value) { take({value, value}); }
  void take(const MinMax& other) {
    minimum = std::min(minimum, other.minimum);
    maximum = std::max(maximum, other.maximum);
  }
  bool empty() const { return minimum > maximum; }
};

// The minimum and maximum of every run of 32 values, of every run of 32 such
// runs, and so on, kept as values are appended: the extremes of any stretch
// then take a few dozen steps however long it is, which is what drawing a
// week of samples into a thousand pixel columns needs. A run is kept once it
// is complete (a stretch never needs one that is not); about a thirtieth of
// the values' own room.
class MinMaxLevels {
public:
  static constexpr std::size_t kFanOut = 32;

  void clear() {
    levels_.clear();
    open_.clear();
    count_ = 0;
  }

  void append(std::span<const float> values) {
    while (!values.empty()) {
      if (open_.empty())
        open_.emplace_back();
      const std::size_t run = std::min(kFanOut - count_ % kFanOut, values.size());
      const auto [minimum, maximum] =
          std::minmax_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(run));
      open_[0].take({*minimum, *maximum});
      count_ += run;
      values = values.subspan(run);
      closeRuns();
    }
  }

  // The extremes of the values [first, last); `value(i)` gives value i.
  template <typename Value> MinMax over(std::size_t first, std::size_t last, Value value) const {
    MinMax result;
    overLevel(first, last, 0, value, result);
    return result;
  }

private:
  // Each run completed by the last value closes, and goes into the run above it.
  void closeRuns() {
    for (std::size_t level = 0, done = count_; done % kFanOut == 0; ++level, done /= kFanOut) {
      if (level == levels_.size()) {
        levels_.emplace_back();
        open_.emplace_back();
      }
      std::vector<MinMax>& runs = levels_[level];
      if (runs.size() == runs.capacity())
        runs.reserve(runs.size() + runs.size() / 8 + kFanOut);
      runs.push_back(open_[level]);
      open_[level + 1].take(open_[level]);
      open_[level] = MinMax{};
    }
  }

  // Elements [first, last) of a level: -1 is the values themselves.
  template <typename Value>
  void overLevel(std::size_t first, std::size_t last, std::size_t level, Value& value, MinMax& result) const {
    const auto take = [&](std::size_t from, std::size_t to) {
      for (std::size_t i = from; i < to; ++i)
        level == 0 ? result.take(value(i)) : result.take(levels_[level - 1][i]);
    };
    const std::size_t runsFirst = (first + kFanOut - 1) / kFanOut;
    const std::size_t runsLast = last / kFanOut;
    if (level >= levels_.size() || runsFirst >= runsLast)
      return take(first, last);
    take(first, runsFirst * kFanOut);
    take(runsLast * kFanOut, last);
    overLevel(runsFirst, runsLast, level + 1, value, result);
  }

  // levels_[0]: runs of kFanOut values; levels_[n]: runs of kFanOut runs of
  // level n - 1. open_[n]: the run of level n still being filled.
  std::vector<std::vector<MinMax>> levels_;
  std::vector<MinMax> open_;
  std::size_t count_ = 0;
};

} // namespace orvane
