#pragma once

#include <utility>
#include <vector>

namespace orvane::sim {

// A quantity over scenario time: a constant, a piecewise-linear curve through
// points, or steps that hold each value until the next. Before the first
// point the first value holds, after the last point the last one.
class Timeline {
public:
  enum class Shape { Linear, Steps };
  using Point = std::pair<double, double>; // seconds, value

  Timeline() = default;
  static Timeline constant(double value) { return Timeline(Shape::Steps, {{0.0, value}}); }
  // Points must be in rising time order and not empty.
  Timeline(Shape shape, std::vector<Point> points);

  double at(double seconds) const;

private:
  Shape shape_ = Shape::Steps;
  std::vector<Point> points_{{0.0, 0.0}};
};

} // namespace orvane::sim
