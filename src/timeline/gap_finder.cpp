#include "timeline/gap_finder.h"

#include <algorithm>

namespace orvane {

void GapFinder::clear() {
  last_.reset();
  interval_.reset();
  gaps_.clear();
}

void GapFinder::add(std::size_t index, double time) {
  if (last_) {
    const double step = time - *last_;
    if (step > 0 && (!interval_ || step < *interval_))
      interval_ = step;
    else if (interval_ && step > 2 * *interval_)
      gaps_.push_back({index, *last_, time});
  }
  last_ = time;
}

std::span<const Gap> GapFinder::within(std::size_t first, std::size_t last) const {
  const auto begin = std::upper_bound(gaps_.begin(), gaps_.end(), first,
                                      [](std::size_t index, const Gap& gap) { return index < gap.before; });
  const auto end = std::lower_bound(begin, gaps_.end(), last,
                                    [](const Gap& gap, std::size_t index) { return gap.before < index; });
  return {begin, end};
}

std::optional<Gap> GapFinder::at(double time, std::size_t first, std::size_t last) const {
  const std::span<const Gap> run = within(first, last);
  const auto after =
      std::upper_bound(run.begin(), run.end(), time, [](double t, const Gap& gap) { return t < gap.from; });
  if (after == run.begin())
    return std::nullopt;
  const Gap& gap = *(after - 1);
  return time > gap.from && time < gap.to ? std::optional(gap) : std::nullopt;
}

} // namespace orvane
