#pragma once

#include "monitor/control_model.h"

#include <span>

namespace orvane {

// One terminal indicator of the main window: an on-image and an off-image at
// the same place, and a caption label.
struct TerminalIndicator {
  const char* caption;
  const char* label;
  const char* onImage;
  const char* offImage;
  bool shownAtLoad; // the rest appear only for the models that have them
};

std::span<const TerminalIndicator> inputTerminals();
std::span<const TerminalIndicator> outputTerminals();

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
