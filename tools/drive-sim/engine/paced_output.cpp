#include "engine/paced_output.h"

namespace orvane::sim {

PacedOutput::Time PacedOutput::enqueue(std::span<const std::uint8_t> bytes, Time earliest) {
  if (earliest > lineFree_) {
    runStart_ = earliest;
    runBytes_ = 0;
    lineFree_ = earliest;
  }
  for (const std::uint8_t byte : bytes) {
    if (baud_ > 0) {
      ++runBytes_;
      lineFree_ = runStart_ + Time(runBytes_ * kBitsPerByte * std::int64_t{1'000'000'000} / baud_);
    }
    pending_.push_back({byte, lineFree_});
  }
  return lineFree_;
}

std::optional<PacedOutput::Time> PacedOutput::nextDue() const {
  if (pending_.empty())
    return std::nullopt;
  return pending_.front().due;
}

Bytes PacedOutput::takeDue(Time now) {
  Bytes due;
  while (!pending_.empty() && pending_.front().due <= now) {
    due.push_back(pending_.front().byte);
    pending_.pop_front();
  }
  return due;
}

} // namespace orvane::sim

namespace orvane::sim {

PacedOutput::Time PacedOutput::byteTime() const {
  if (baud_ <= 0)
    return Time{};
  return Time(std::chrono::seconds(kBitsPerByte)) / baud_;
}

} // namespace orvane::sim
