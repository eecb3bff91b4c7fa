#include "viewer/limit_spans.h"

#include <cmath>

namespace orvane {
namespace {

// The frequency unsigned, as the live watch reads it.
LimitReading limitReading(const Sample& sample) {
  return {std::abs(sample.frequency), sample.current, sample.currentPercent, sample.dcLink};
}

} // namespace

void LimitSpans::setLimits(std::vector<Limit> limits) {
  watch_ = LimitWatch(std::move(limits));
  clear();
}

void LimitSpans::clear() {
  open_.clear();
  spans_.clear();
  restart();
}

void LimitSpans::restart() {
  for (const std::optional<std::size_t>& open : open_)
    if (open)
      spans_[*open].to = lastTime_;
  watch_ = LimitWatch(watch_.limits());
  open_.assign(watch_.limits().size(), std::nullopt);
}

void LimitSpans::add(std::size_t index, const Sample& sample) {
  lastTime_ = sample.time;
  for (const LimitEvent& event : watch_.feed(sample.time, limitReading(sample))) {
    std::size_t limit = 0;
    while (watch_.limits()[limit].name != event.name)
      ++limit;
    if (event.kind == LimitEvent::Kind::Raised) {
      open_[limit] = spans_.size();
      spans_.push_back({limit, index, sample.time, std::nullopt});
    } else if (open_[limit]) {
      spans_[*open_[limit]].to = sample.time;
      open_[limit].reset();
    }
  }
}

} // namespace orvane
