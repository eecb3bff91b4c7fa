#pragma once

#include "session_log/session_log_format.h"
#include "viewer/block_summary.h"
#include "viewer/min_max_levels.h"

#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace orvane {

// The plotted quantities of a sample.
enum Quantity { Frequency, Current, DcLink, kPlottedQuantities };

// Every sample of a session log in memory, in file order: the time as the
// double it was logged as, the four measured values as the 32-bit floats the
// program logs, in pieces of fixed size so that growing never copies. A
// piece whose times a float holds exactly (every time of a session at 0.5 s
// or whole seconds, for 97 days) keeps them as floats: 20 bytes a sample,
// else 24. Beside them, for each plotted quantity, the summaries that keep
// statistics and drawing quick over long stretches.
class SampleStore {
public:
  SampleStore() = default;
  SampleStore(const SampleStore&) = delete;
  SampleStore& operator=(const SampleStore&) = delete;
  SampleStore(SampleStore&&) = default;
  SampleStore& operator=(SampleStore&&) = default;

  void clear();
  void append(const Sample& sample) { append(std::span(&sample, 1)); }
  void append(std::span<const Sample> samples);

  std::size_t size() const { return size_; }
  double time(std::size_t i) const {
    const Piece& in = piece(i);
    return in.wideTimes ? in.wideTimes[i % kPiece] : in.times[i % kPiece];
  }
  float value(Quantity quantity, std::size_t i) const { return piece(i).values[quantity][i % kPiece]; }
  float currentPercent(std::size_t i) const { return piece(i).values[kPercent][i % kPiece]; }

  // The first sample of [first, last) at or after `key` and the first after
  // `key`: times must not fall within the range.
  std::size_t firstAtOrAfter(std::size_t first, std::size_t last, double key) const;
  std::size_t firstAfter(std::size_t first, std::size_t last, double key) const;
  // The same as firstAtOrAfter, quick when the answer lies close after `first`.
  std::size_t nextAtOrAfter(std::size_t first, std::size_t last, double key) const;
  // The sample of [first, last) nearest `key` in time (the earlier of two equally near).
  std::optional<std::size_t> nearest(std::size_t first, std::size_t last, double key) const;

  std::optional<RangeStatistics> statistics(Quantity quantity, std::size_t first, std::size_t last) const;
  MinMax extremes(Quantity quantity, std::size_t first, std::size_t last) const;

private:
  static constexpr std::size_t kPiece = 1 << 12;
  static constexpr int kPercent = kPlottedQuantities;
  struct Piece {
    float times[kPiece];
    // All the piece's times, once one of them is not a float.
    std::unique_ptr<double[]> wideTimes;
    float values[kPlottedQuantities + 1][kPiece];
  };
  const Piece& piece(std::size_t i) const { return *pieces_[i / kPiece]; }
  static void storeTimes(Piece& into, std::size_t at, std::span<const Sample> run);

  std::vector<std::unique_ptr<Piece>> pieces_;
  std::size_t size_ = 0;
  std::array<BlockSummary, kPlottedQuantities> summaries_;
  std::array<MinMaxLevels, kPlottedQuantities> levels_;
};

} // namespace orvane
