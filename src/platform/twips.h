#pragma once

#include <cmath>

namespace orvane {

// Window and graph positions are kept in twips; on screen a logical pixel is
// 15 twips (96 DPI), and Qt scales logical pixels by the device pixel ratio.
inline constexpr int kTwipsPerPixel = 15;

// The logical pixel nearest to a twip position.
inline int twipsToPixels(int twips) { return static_cast<int>(std::lround(twips / double(kTwipsPerPixel))); }

} // namespace orvane
