#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

namespace orvane {

// Where no sample exists for more than twice the sample interval: between
// two files, a reconnection, the logger stopped or paused by a trip.
struct Gap {
  // The first sample after the gap.
  std::size_t before = 0;
  // The times of the samples on either side.
  double from = 0;
  double to = 0;
  double length() const { return to - from; }
};

// Finds the gaps of a sequence of sample times as the samples come. The files
// do not say their sample interval, so it is the smallest step seen (a tick
// that overruns skips whole slots, so every step is a multiple of it). A step
// is judged against the interval known when it comes: the first few samples
// of a recording give it.
class GapFinder {
public:
  void clear();
  // Sample `index` at `time`, times never falling within a run.
  void add(std::size_t index, double time);
  // The next sample begins a run of its own (a new session of one file): no
  // gap is measured to it.
  void restart() { last_.reset(); }

  // The smallest step between two samples; none before one is seen.
  std::optional<double> interval() const { return interval_; }
  const std::vector<Gap>& gaps() const { return gaps_; }
  // The gaps whose first sample after lies in (first, last).
  std::span<const Gap> within(std::size_t first, std::size_t last) const;
  // The gap among those within(first, last) that `time` falls in, strictly
  // between its samples.
  std::optional<Gap> at(double time, std::size_t first, std::size_t last) const;

private:
  std::optional<double> last_;
  std::optional<double> interval_;
  std::vector<Gap> gaps_;
};

} // namespace orvane
