#pragma once

#include "state/control_model.h"

#include <vector>

namespace orvane {

// A scroll bar of the Options dialog and the positions it takes.
struct Slider {
  const char* name;
  int minimum;
  int maximum;
};

// The sample rate in tenths of a second, and the horizontal scale.
inline constexpr Slider kSlider1{"Slider1", 5, 320};
inline constexpr Slider kSlider2{"Slider2", 1, 20};

// Every control of the Options dialog with its state when the dialog is made,
// before the settings file fills it.
const std::vector<ControlModel::Declaration>& optionsControls();

} // namespace orvane
