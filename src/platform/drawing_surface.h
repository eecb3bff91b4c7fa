#pragma once

#include <cstdint>

namespace orvane {

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A graph box: keeps what is drawn, in its own twip coordinates, one unit wide.
class DrawingSurface {
public:
  virtual ~DrawingSurface() = default;
  // Wipes everything drawn back to the background.
  virtual void clear() = 0;
  // A line of zero length draws a dot.
  virtual void drawLine(int x1, int y1, int x2, int y2, Rgb colour) = 0;
  // The colour a line is erased with.
  virtual Rgb background() const = 0;
};

} // namespace orvane
