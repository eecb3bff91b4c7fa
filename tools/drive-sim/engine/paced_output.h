#pragma once

#include "engine/bytes.h"

#include <chrono>
#include <cstdint>
#include <deque>
#include <optional>

namespace orvane::sim {

// The drive's side of the wire: bytes leave one after another at the line
// speed (11 bits a byte: start, 8 data, parity, stop). Each byte is due when
// its last bit has gone. Deadlines count from the start of an unbroken run of
// bytes, so rounding never adds up to drift. Without a speed bytes are due at
// once.
class PacedOutput {
public:
  using Time = std::chrono::nanoseconds;
  static constexpr int kBitsPerByte = 11;

  explicit PacedOutput(int baud = 0) : baud_(baud) {}

  // Queues bytes that may start no earlier than `earliest`; returns when the
  // last of them is due.
  Time enqueue(std::span<const std::uint8_t> bytes, Time earliest);
  std::optional<Time> nextDue() const;
  // How long one byte takes on the line (zero without a speed).
  Time byteTime() const;
  // How many bytes wait to go out.
  std::size_t queued() const { return pending_.size(); }
  // Removes and returns the bytes due by `now`.
  Bytes takeDue(Time now);

private:
  struct Pending {
    std::uint8_t byte;
    Time due;
  };

  int baud_;
  std::deque<Pending> pending_;
  Time runStart_{};
  std::int64_t runBytes_ = 0;
  Time lineFree_{};
};

} // namespace orvane::sim
