#pragma once

#include "monitor/graph_geometry.h"
#include "platform/drawing_surface.h"
#include "platform/message_boxes.h"
#include "state/shared_state.h"

#include <cstdint>
#include <functional>

namespace orvane {

// The read-outs beside the graph, empty while no session runs.
inline constexpr const char* kReadouts[] = {"displayspeed", "displaycurrent", "displayvoltage"};

struct GraphTrace;

// The reads the plotting procedures make before they draw (the live values,
// and the direction for the signed graph). Each sets OK to 1 on failure.
struct TraceReads {
  std::function<void(std::int16_t& OK)> GetSpeed;
  std::function<void(std::int16_t& OK)> GetAmps;
  std::function<void(std::int16_t& OK)> GetDCVolts;
  std::function<void(std::int16_t& OK)> Direction;
};

// The trend graph: three traces that fill from the left and then scroll, on
// the plain box (Picture1) or the signed direction box (Picture3).
class TrendGraph {
public:
  TrendGraph(SharedState& state, DrawingSurface& picture1, DrawingSurface& picture3, MessageBoxes& messages,
             TraceReads reads);

  // Sample, show and plot one quantity; OK = 1 after a failed read.
  void Frequency(std::int16_t& OK);
  void Current(std::int16_t& OK);
  void Voltage(std::int16_t& OK);

  // "CLEAR SCREEN": asks, then clears everything on Yes.
  void clearscreen_Click();
  // The clear without a question: trace flags, cursor, both boxes, and the
  // y arrays up to maxpoints.
  void clearGraph();
  // The clear after an accepted change of maximum frequency: the same, but
  // the y arrays are left as they were.
  void clearKeepingSamples();

private:
  void plot(const GraphTrace& trace, std::int16_t& OK);
  bool sample(const GraphTrace& trace, std::int16_t& OK);
  std::int16_t toY(const GraphTrace& trace) const;
  void showAndLog(const GraphTrace& trace);
  void scroll(const GraphTrace& trace, std::int16_t& OK);
  GraphKind kind() const;
  DrawingSurface& box();

  SharedState& state_;
  DrawingSurface& picture1_;
  DrawingSurface& picture3_;
  MessageBoxes& messages_;
  TraceReads reads_;
};

} // namespace orvane
