#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace orvane {

// How the logger's process ends, for a service manager to tell apart.
namespace logger_exit {
inline constexpr int kStopped = 0;        // SIGINT or SIGTERM: port closed, every file whole
inline constexpr int kInternalError = 1;  // something no retry can mend
inline constexpr int kBadArgument = 2;    // a flag or value the logger does not accept
inline constexpr int kFolderUnusable = 3; // the log folder cannot be written, or another logger has it
} // namespace logger_exit

// What the command line asks for; what it leaves out comes from ta.ini and devices.conf.
struct LoggerOptions {
  std::string device;            // --device PATH
  std::optional<int> port;       // --port 1|2
  std::optional<int> rateTenths; // --rate SECONDS, in tenths of a second (5 to 320)
  std::string folder;            // --dir DIR; empty: $HOME/orvane-logs
  std::string mqttUrl;           // --mqtt URL: publish to this broker; empty: no publishing
  std::string mqttCaFile;        // --mqtt-ca FILE
  std::string mqttPasswordFile;  // --mqtt-password-file FILE
  bool plainPassword = false;    // --mqtt-allow-plain-password
  std::string limitsFile;        // --limits FILE: limits.conf to watch; empty: no limits
  bool quiet = false;            // no status lines
  bool verbose = false;          // a status line for every sample as well
  bool help = false;
};

// Either the options or what is wrong with the arguments, in words for the user.
struct ParsedArguments {
  LoggerOptions options;
  std::string error;
};

// Parses the arguments that follow "--log-only" (that flag itself is skipped wherever it stands).
ParsedArguments parseLoggerArguments(std::span<const std::string_view> arguments);

// The text of --help: every flag and the exit codes.
std::string loggerHelpText();

// $HOME/orvane-logs, or ./orvane-logs without a home.
std::string defaultLogFolder();

} // namespace orvane
