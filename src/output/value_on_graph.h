#pragma once

#include "monitor/graph_geometry.h"
#include "state/shared_state.h"

#include <optional>
#include <string>

namespace orvane {

// The value labels of the window Reading: Label4 (frequency), Label5
// (current), Label6 (DC link voltage).
struct ReadingTexts {
  std::string frequency;
  std::string current;
  std::string voltage;
};

inline constexpr const char* kNotMonitored = "Not Monitored";

// What a mouse press at x (twips) on a graph box shows in value mode: the
// values of the sample at or left of the pointer, worked back from the y
// coordinates the trend graph stored. None when value mode is off or the
// press is left of the first sample.
std::optional<ReadingTexts> readingAt(const SharedState& state, GraphKind box, float x);

} // namespace orvane
