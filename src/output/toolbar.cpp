#include "output/toolbar.h"

namespace orvane {

void Toolbar1_ButtonClick(const std::string& key, const ToolbarCommands& commands) {
  for (const auto& [candidate, command] : commands) {
    if (candidate.view() == key) {
      if (command)
        command();
      return;
    }
  }
}

} // namespace orvane
