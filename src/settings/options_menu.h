#pragma once

#include "platform/message_boxes.h"
#include "settings/options_form.h"
#include "state/control_model.h"

#include <functional>

namespace orvane {

// The main window's Options menu item (and its toolbar button): the dialog opens only while no
// session runs, and offers to stop a running one through `stopmonmenu_Click`.
void optionmenu_Click(const ControlModel& trend, MessageBoxes& messages,
                      const std::function<void()>& stopmonmenu_Click, OptionsForm& options);

} // namespace orvane
