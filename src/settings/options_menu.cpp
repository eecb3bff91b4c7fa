#include "settings/options_menu.h"

namespace orvane {

void optionmenu_Click(const ControlModel& trend, MessageBoxes& messages,
                      const std::function<void()>& stopmonmenu_Click, OptionsForm& options) {
  if (trend.checked("startmonmenu")) {
    const MessageAnswer answer =
        messages.show(MessageIcon::Question, MessageButtons::YesNo, "Options",
                      "The Options are not available while still Online. Do you want to go offline?");
    if (answer != MessageAnswer::Yes)
      return;
    stopmonmenu_Click();
  }
  options.show();
}

} // namespace orvane
