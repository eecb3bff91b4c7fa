#include "link/rated_current.h"

#include <array>

namespace orvane {
namespace {

constexpr int kSmallestSize = 1;
constexpr int kSizes = 19;
constexpr float kNone = 0;

// One column per range and voltage class: range 0 class 0, range 0 class 1,
// range 1 class 0, range 1 class 1. kNone where no such drive exists.
using Column = std::array<float, kSizes>;
constexpr std::array<Column, 4> kRatedCurrents{{
    {3, 5, 7.5f, 10.5f, 16.5f, 24, 32, 46, 64, 76, 95, 121, 145, 182, 220, kNone, kNone, kNone, kNone},
    {1.0f, 2.5f, 3.8f, 5.3f, 8.6f, 12, 16, 23, 32, 39, 48, 59, 75, 90, 110, 149, 176, 217, 260},
    {kNone, kNone, kNone, kNone, kNone, kNone, kNone, 44, 58, 73, 85, 113, 140, 169, 210, kNone, kNone, kNone,
     kNone},
    {kNone, kNone, kNone, kNone, kNone, kNone, kNone, 22, 29, 37, 43, 57, 70, 85, 105, 149, 176, 217, 260},
}};

} // namespace

std::optional<float> ratedCurrent(int range, int voltageClass, int sizeCode) {
  if (range < 0 || range > 1 || voltageClass < 0 || voltageClass > 1)
    return std::nullopt;
  if (sizeCode < kSmallestSize || sizeCode >= kSmallestSize + kSizes)
    return std::nullopt;
  const float current = kRatedCurrents[range * 2 + voltageClass][sizeCode - kSmallestSize];
  if (current == kNone)
    return std::nullopt;
  return current;
}

} // namespace orvane
