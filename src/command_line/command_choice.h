#pragma once

#include <span>
#include <string>
#include <string_view>

namespace orvane {

// The program's commands. The window and the viewer need a display; the others never touch one.
enum class Command {
  Window,  // no command: the main window
  View,    // --view FILE|DIR: the Session Viewer alone
  Render,  // --render ...: a picture, its own arguments checked by it
  Summary, // --summary ...: figures per day, its own arguments checked by it
  Logger,  // --log-only anywhere: the unattended logger, its own arguments checked by it
  Help,    // --help: the usage on standard output
  Version, // --version
  Refused  // anything else: the usage on standard error, exit 2
};

struct CommandChoice {
  Command command = Command::Window;
  std::string viewed; // --view's file or folder
  std::string error;  // Refused: what was wrong, in words
};

// Decides from the arguments after the program's name. Only the arguments of the window and the
// viewer are checked here; the other commands check their own.
CommandChoice chooseCommand(std::span<const std::string_view> arguments);

// One line for each command and each of the window's options.
const char* usageText();

} // namespace orvane
