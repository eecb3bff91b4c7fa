#include "engine/timeline.h"

#include <algorithm>
#include <stdexcept>

namespace orvane::sim {

Timeline::Timeline(Shape shape, std::vector<Point> points) : shape_(shape), points_(std::move(points)) {
  if (points_.empty())
    throw std::invalid_argument("a timeline needs at least one point");
  const auto falling = [](const Point& a, const Point& b) { return b.first < a.first; };
  if (std::adjacent_find(points_.begin(), points_.end(), falling) != points_.end())
    throw std::invalid_argument("timeline points must be in rising time order");
}

double Timeline::at(double seconds) const {
  // The first point later than `seconds`.
  const auto later = std::upper_bound(points_.begin(), points_.end(), seconds,
                                      [](double time, const Point& point) { return time < point.first; });
  if (later == points_.begin())
    return points_.front().second;
  const Point& before = *std::prev(later);
  if (later == points_.end() || shape_ == Shape::Steps)
    return before.second;
  const double span = later->first - before.first;
  const double fraction = (seconds - before.first) / span;
  return before.second + fraction * (later->second - before.second);
}

} // namespace orvane::sim
