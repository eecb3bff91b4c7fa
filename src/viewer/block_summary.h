#pragma once

#include "viewer/range_statistics.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <span>
#include <vector>

namespace orvane {

// The minimum, maximum and sum of each run of kBlock samples of one quantity,
// kept as samples are appended, so that the statistics of a long stretch
// look at each block once instead of at each sample.
class BlockSummary {
public:
  static constexpr std::size_t kBlock = 1024;

  void clear() {
    blocks_.clear();
    count_ = 0;
  }

  void append(std::span<const float> values) {
    while (!values.empty()) {
      if (count_ % kBlock == 0) {
        if (blocks_.size() == blocks_.capacity())
          blocks_.reserve(blocks_.size() + blocks_.size() / 8 + 16);
        blocks_.push_back({values[0], values[0], 0, count_, count_});
      }
      Block& block = blocks_.back();
      const std::size_t run = std::min(kBlock - count_ % kBlock, values.size());
      for (std::size_t i = 0; i < run; ++i) {
        const double value = values[i];
        block.sum += value;
        if (value < block.minimum) {
          block.minimum = value;
          block.minimumAt = count_ + i;
        }
        if (value > block.maximum) {
          block.maximum = value;
          block.maximumAt = count_ + i;
        }
      }
      count_ += run;
      values = values.subspan(run);
    }
  }

  // Statistics of the samples [first, last): `value(i)` and `time(i)` give
  // sample i. Of equal extremes the first counts.
  template <typename Value, typename Time>
  std::optional<RangeStatistics> over(std::size_t first, std::size_t last, Value value, Time time) const {
    if (first >= last || last > count_)
      return std::nullopt;
    Extreme lowest{value(first), 0, first};
    Extreme highest = lowest;
    double sum = 0;
    const auto take = [&](double minimum, std::size_t minimumAt, double maximum, std::size_t maximumAt) {
      if (minimum < lowest.value)
        lowest = {minimum, 0, minimumAt};
      if (maximum > highest.value)
        highest = {maximum, 0, maximumAt};
    };
    std::size_t i = first;
    for (; i < last && i % kBlock != 0; ++i) {
      const double v = value(i);
      sum += v;
      take(v, i, v, i);
    }
    for (; i + kBlock <= last; i += kBlock) {
      const Block& block = blocks_[i / kBlock];
      sum += block.sum;
      take(block.minimum, block.minimumAt, block.maximum, block.maximumAt);
    }
    for (; i < last; ++i) {
      const double v = value(i);
      sum += v;
      take(v, i, v, i);
    }
    lowest.time = time(lowest.index);
    highest.time = time(highest.index);
    const std::size_t count = last - first;
    return RangeStatistics{lowest, highest, sum / static_cast<double>(count), count};
  }

private:
  struct Block {
    double minimum;
    double maximum;
    double sum;
    std::size_t minimumAt;
    std::size_t maximumAt;
  };
  std::vector<Block> blocks_;
  std::size_t count_ = 0;
};

} // namespace orvane
