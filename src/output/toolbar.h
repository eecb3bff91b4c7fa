#pragma once

#include "state/trend_control_names.h"

#include <functional>
#include <string>
#include <vector>

namespace orvane {

// Toolbar1's keys in their order on the toolbar, each with its command.
struct ToolbarCommand {
  TrendControlName key;
  std::function<void()> command;
};
using ToolbarCommands = std::vector<ToolbarCommand>;

// Runs the command of the first key that matches the clicked button's key
// (compared case-sensitively, in toolbar order); an unknown key does nothing.
void Toolbar1_ButtonClick(const std::string& key, const ToolbarCommands& commands);

} // namespace orvane
