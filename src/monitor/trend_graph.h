#pragma once

#include "acquisition/tick_outcome.h"
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

// The trend graph: three traces that fill from the left and then scroll, on
// the plain box (Picture1) or the signed direction box (Picture3). Runs on
// the user-interface thread.
class TrendGraph {
public:
  // `failedRead` is the tick's reaction to a quantity its reading lacks; it sets OK to 1.
  TrendGraph(SharedState& state, DrawingSurface& picture1, DrawingSurface& picture3, MessageBoxes& messages,
             std::function<void(std::int16_t& OK)> failedRead);

  // Show and plot one quantity of the tick; OK = 1 after a failed read.
  void Frequency(const TickOutcome& tick, std::int16_t& OK);
  void Current(const TickOutcome& tick, std::int16_t& OK);
  void Voltage(const TickOutcome& tick, std::int16_t& OK);

  // "CLEAR SCREEN": asks, then clears everything on Yes.
  void clearscreen_Click();
  // The clear without a question: trace flags, cursor, both boxes, and the
  // y arrays up to maxpoints.
  void clearGraph();
  // The clear after an accepted change of maximum frequency: the same, but
  // the y arrays are left as they were.
  void clearKeepingSamples();

private:
  void plot(const GraphTrace& trace, const TickOutcome& tick, std::int16_t& OK);
  bool sample(const GraphTrace& trace, const Reading& reading, std::int16_t& OK);
  std::int16_t toY(const GraphTrace& trace, const ShownValues& shown) const;
  void show(const GraphTrace& trace, const ShownValues& shown);
  void scroll(const GraphTrace& trace, const TickOutcome& tick, std::int16_t& OK);
  GraphKind kind() const;
  DrawingSurface& box();

  SharedState& state_;
  DrawingSurface& picture1_;
  DrawingSurface& picture3_;
  MessageBoxes& messages_;
  std::function<void(std::int16_t& OK)> failedRead_;
};

} // namespace orvane
