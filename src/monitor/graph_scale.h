#pragma once

#include "platform/drawing_surface.h"

#include <string>
#include <vector>

namespace orvane {

// The fixed furniture of a graph box, in its twip coordinates: the black axis
// and tick lines and the scale labels, each coloured like the trace it belongs to.
struct GridLine {
  int x1, y1, x2, y2;
};

struct ScaleLabel {
  std::string name; // empty for the fixed labels; the time label the start sets is named
  std::string caption;
  Rgb colour;
  int x, y; // top-left corner
};

struct GraphScale {
  std::vector<GridLine> lines;
  std::vector<ScaleLabel> labels;
};

inline constexpr Rgb kGridColour{0, 0, 0};

// Picture1: the plain graph, zero line at the bottom.
const GraphScale& plainGraphScale();
// Picture3: the signed graph, axis across the middle.
const GraphScale& signedGraphScale();

} // namespace orvane
