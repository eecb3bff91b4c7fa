#pragma once

#include "state/control_model.h"

#include <span>
#include <vector>

namespace orvane {

// The buttons of Toolbar1 in their order; a null key stands for a separator.
struct ToolbarButton {
  const char* key;
  const char* toolTip;
  bool needsGraph = false; // disabled until a session's start has a graph
};

std::span<const ToolbarButton> toolbarButtons();

// Every control of the main window with its state when the window loads:
// captions, which controls are shown, enabled and checked, the timers off.
// The panels stay hidden until start-up has shown the splash.
const std::vector<ControlModel::Declaration>& trendControls();

// Sets every control of the main window to its state at load.
void setTrendDesignState(ControlModel& trend);

} // namespace orvane
