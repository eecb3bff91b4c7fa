#pragma once

namespace orvane {

// Whether the command line asks for the unattended logger ("--log-only" anywhere in it).
bool isLoggerCommand(int argc, const char* const* argv);

// `orvane-trend --log-only ...`: records the drive without a window or a display server until
// SIGINT or SIGTERM. Returns the process's exit code (see --help).
int runLoggerCommand(int argc, const char* const* argv);

} // namespace orvane
