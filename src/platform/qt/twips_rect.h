#pragma once

#include "platform/twips.h"

#include <QRect>

namespace orvane {

// A rectangle given in twips (left, top, width, height), in logical pixels;
// neighbouring rectangles meet without gaps.
inline QRect twipsRect(int left, int top, int width, int height) {
  const int x = twipsToPixels(left);
  const int y = twipsToPixels(top);
  return {x, y, twipsToPixels(left + width) - x, twipsToPixels(top + height) - y};
}

} // namespace orvane
