#pragma once

#include "platform/drawing_surface.h"

#include <cstdint>
#include <string>

namespace orvane {

// The graph boxes' coordinate system, in twips: x from 570 in steps of xstep,
// y from 250 at the top to 5000 (plain graph's zero line), signed axis at 2625.
namespace graph {
inline constexpr int kFirstX = 570;
inline constexpr int kTop = 250;
inline constexpr int kFullHeight = 4750;
inline constexpr int kHalfHeight = 2375;
inline constexpr int kZeroLine = kTop + kFullHeight;
inline constexpr int kSignedAxis = kTop + kHalfHeight;

inline constexpr Rgb kFrequencyColour{255, 0, 0};
inline constexpr Rgb kCurrentColour{0, 128, 0};
inline constexpr Rgb kVoltageColour{0, 0, 255};
} // namespace graph

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
