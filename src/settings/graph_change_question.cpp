#include "settings/graph_change_question.h"

namespace orvane {

std::optional<GraphChangeQuestion> graphChangeQuestion(bool sampleRate, bool scale, bool directionGraph) {
  const char* firstLine = nullptr;
  if (sampleRate && scale && directionGraph)
    firstLine = "Altering the Sample Rate, Scale and Selecting Direction (Graph) will clear the current graph.";
  else if (sampleRate && scale)
    firstLine = "Altering the Sample Rate and Scale will clear the current graph.";
  else if (scale && directionGraph)
    firstLine = "Altering the Scale and Selecting Direction (Graph) will clear the current graph.";
  else if (sampleRate && directionGraph)
    firstLine = "Altering the Sample Rate and Selecting Direction (Graph) will clear the current graph.";
  else if (scale)
    firstLine = "Altering the Scale will clear the current graph.";
  else if (directionGraph)
    firstLine = "Selecting Direction (Graph) will clear the current graph.";
  else if (sampleRate)
    firstLine = "Altering the Sample Rate will clear the current graph.";
  else
    return std::nullopt;

  // A change of the sample rate or of the scale alone is titled "Sample Rate"; every combination
  // shares the joint title.
  const bool single = int{sampleRate} + int{scale} + int{directionGraph} == 1;
  std::string title = "Sample Rate and Direction (Graph)";
  if (single)
    title = directionGraph ? "Direction (Graph)" : "Sample Rate";
  return GraphChangeQuestion{std::move(title), std::string(firstLine) + "\nAre you sure you wish to proceed?"};
}

} // namespace orvane
