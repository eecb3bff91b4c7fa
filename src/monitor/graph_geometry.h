#pragma once

#include "platform/drawing_surface.h"
#include "state/graph_coordinates.h"

#include <cstdint>
#include <string>

namespace orvane {

// Which box a value is plotted on: the plain graph (Picture1) or the signed
// direction graph (Picture3).
enum class GraphKind { Plain, Signed };

// Value-to-y conversions: y = 250 + (H - s * v), halves to even, clamped to
// 16 bits. The frequency product is formed in single precision, the current
// and voltage products in double precision.
std::int16_t frequencyY(GraphKind kind, float speedscale, float dirspeedscale, float speedvalue,
                        const std::string& direction);
std::int16_t currentY(GraphKind kind, const std::string& inverter, double ampspct);
std::int16_t voltageY(GraphKind kind, double dcvoltsvalue);

} // namespace orvane
