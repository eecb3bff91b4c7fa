#pragma once

#include "state/control_model.h"

class QObject;

namespace orvane {

// Shows a control's state from a ControlModel on the Qt object that stands
// for it: menu items and menus, toolbar buttons, timers (enabled = running,
// value = interval in ms) and widgets (labels, buttons, frames, check boxes,
// sliders). A window calls it from the model's listener.
void mirrorControl(QObject& object, const ControlModel::Control& control);

} // namespace orvane
