#include "monitor/graph_geometry.h"

#include "link/models.h"
#include "platform/number_text.h"

namespace orvane {

std::int16_t frequencyY(GraphKind kind, float speedscale, float dirspeedscale, float speedvalue,
                        const std::string& direction) {
  if (kind == GraphKind::Plain) {
    const float product = speedscale * speedvalue;
    return roundToInt16(graph::kTop + (graph::kFullHeight - static_cast<double>(product)));
  }
  const float product = dirspeedscale * speedvalue;
  if (direction == "F")
    return roundToInt16(graph::kTop + (graph::kHalfHeight - static_cast<double>(product)));
  // Reverse, and a stopped drive ("-"), lie the same distance below the axis.
  return roundToInt16(graph::kTop + (graph::kFullHeight - (graph::kHalfHeight - static_cast<double>(product))));
}

std::int16_t currentY(GraphKind kind, const std::string& inverter, double ampspct) {
  // The six-trip models are plotted to 300 % at the top, the others to 200 %.
  const bool tallScale = isSixTripModel(inverter);
  if (kind == GraphKind::Plain)
    return roundToInt16(graph::kTop + (graph::kFullHeight - (tallScale ? 15.83 : 23.75) * ampspct));
  return roundToInt16(graph::kTop + (graph::kHalfHeight - (tallScale ? 7.916 : 11.875) * ampspct));
}

std::int16_t voltageY(GraphKind kind, double dcvoltsvalue) {
  if (kind == GraphKind::Plain)
    return roundToInt16(graph::kTop + (graph::kFullHeight - 5.9375 * dcvoltsvalue));
  return roundToInt16(graph::kTop + (graph::kHalfHeight - 2.96875 * dcvoltsvalue));
}

} // namespace orvane
