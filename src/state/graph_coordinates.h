#pragma once

#include "platform/drawing_surface.h"

namespace orvane::graph {

// The graph boxes' coordinate system, in twips: x from 570 in steps of xstep,
// y from 250 at the top to 5000 (plain graph's zero line), signed axis at 2625.
inline constexpr int kFirstX = 570;
inline constexpr int kTop = 250;
inline constexpr int kFullHeight = 4750;
inline constexpr int kHalfHeight = 2375;
inline constexpr int kZeroLine = kTop + kFullHeight;
inline constexpr int kSignedAxis = kTop + kHalfHeight;

// Samples across the graph at scale 1 : 1 (an x step of 20 twips).
inline constexpr int kPointsAtFirstScale = 338;

inline constexpr Rgb kFrequencyColour{255, 0, 0};
inline constexpr Rgb kCurrentColour{0, 128, 0};
inline constexpr Rgb kVoltageColour{0, 0, 255};

} // namespace orvane::graph
