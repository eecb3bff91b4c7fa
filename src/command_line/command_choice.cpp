#include "command_line/command_choice.h"

#include <algorithm>
#include <array>

namespace orvane {
namespace {

// Qt's own options that choose the display and the look; QApplication takes them with their value.
constexpr std::array<std::string_view, 3> kDisplayOptions{"-platform", "-display", "-style"};

// The window's options after `from`: only the display options, each with its value.
std::string displayOptionsError(std::span<const std::string_view> arguments, std::size_t from) {
  for (std::size_t at = from; at < arguments.size(); at += 2) {
    if (std::ranges::find(kDisplayOptions, arguments[at]) == kDisplayOptions.end())
      return "unknown option \"" + std::string(arguments[at]) + "\"";
    if (at + 1 == arguments.size())
      return std::string(arguments[at]) + " needs a value";
  }
  return {};
}

CommandChoice refused(std::string error) { return {Command::Refused, {}, std::move(error)}; }

} // namespace

CommandChoice chooseCommand(std::span<const std::string_view> arguments) {
  // The logger has always been found anywhere on the line, so that a service's flags may come first.
  if (std::ranges::find(arguments, std::string_view("--log-only")) != arguments.end())
    return {Command::Logger, {}, {}};
  if (arguments.empty())
    return {Command::Window, {}, {}};
  const std::string_view first = arguments.front();
  if (first == "--render")
    return {Command::Render, {}, {}};
  if (first == "--summary")
    return {Command::Summary, {}, {}};
  if ((first == "--help" || first == "-h" || first == "--version") && arguments.size() == 1)
    return {first == "--version" ? Command::Version : Command::Help, {}, {}};
  if (first == "--view") {
    if (arguments.size() < 2 || arguments[1].empty() || arguments[1].starts_with('-'))
      return refused("--view needs a session log or a folder of them");
    if (std::string error = displayOptionsError(arguments, 2); !error.empty())
      return refused(std::move(error));
    return {Command::View, std::string(arguments[1]), {}};
  }
  if (std::string error = displayOptionsError(arguments, 0); !error.empty())
    return refused(std::move(error));
  return {Command::Window, {}, {}};
}

const char* usageText() {
  return "usage: orvane-trend [-platform NAME] [-display NAME] [-style NAME]\n"
         "       orvane-trend --view FILE|DIR\n"
         "       orvane-trend --render FILE|DIR (--png OUT | --pdf OUT) [...]\n"
         "       orvane-trend --summary FILE|DIR [--from T] [--to T] [--json] [--limits FILE]\n"
         "       orvane-trend --log-only [...]\n"
         "\n"
         "  (no command)       the monitoring window; -platform, -display and -style choose Qt's display and "
         "look\n"
         "  --view FILE|DIR    the Session Viewer alone on a session log, or a folder of the logger's files\n"
         "  --render ...       a picture of a session log without a display (--render alone lists its options)\n"
         "  --summary ...      running hours, starts, reversals, trips, peaks and missing samples per day\n"
         "  --log-only ...     record the drive unattended without a display (--log-only --help lists its flags)\n"
         "  --help, --version  this text; the version\n"
         "\n"
         "Exit codes: 0 done, 1 the file cannot be read or drawn, 2 a bad argument (the logger's own in\n"
         "--log-only --help).\n";
}

} // namespace orvane
