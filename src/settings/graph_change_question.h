#pragma once

#include <optional>
#include <string>

namespace orvane {

// The question asked before Apply or OK clears the graph.
struct GraphChangeQuestion {
  std::string title;
  std::string text;
};

// The one question for the set of changed settings that shape the graph, or nothing when none
// of them changed. A direction graph change reads "Selecting" whether it was ticked or unticked.
std::optional<GraphChangeQuestion> graphChangeQuestion(bool sampleRate, bool scale, bool directionGraph);

} // namespace orvane
