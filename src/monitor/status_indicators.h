#pragma once

#include "state/shared_state.h"

namespace orvane {

// Direction, run state and terminal indicators, shown from the drive's state
// words as a tick read them.
class StatusIndicators {
public:
  explicit StatusIndicators(SharedState& state) : state_(state) {}

  // The run state (0 stopped, 1 forward, 2 reverse) sets the arrows while
  // "directionmenu" is ticked; another value changes nothing.
  void Direction(float runState);
  // RUNNING or STOPPED, and TRIPPED hidden; another value changes nothing.
  void Running(float runState);
  // The terminals of the model in use, lit where their bits are set.
  void iterminals(int word) { showTerminals(true, word); }
  void oterminals(int word) { showTerminals(false, word); }

private:
  void showTerminals(bool inputs, int word);

  SharedState& state_;
};

} // namespace orvane
