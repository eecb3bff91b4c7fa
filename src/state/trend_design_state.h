#pragma once

#include "state/control_model.h"

#include <span>

namespace orvane {

// The buttons of Toolbar1 in their order; a null key stands for a separator.
struct ToolbarButton {
  const char* key;
  const char* toolTip;
};

std::span<const ToolbarButton> toolbarButtons();

// Sets every control of the main window to its state when the window loads:
// captions, which controls are shown, enabled and checked, the timers off.
// The panels stay hidden until start-up has shown the splash.
void setTrendDesignState(ControlModel& trend);

} // namespace orvane
