#pragma once

namespace orvane {

// `orvane-trend --log-only ...`: records the drive without a window or a display server until
// SIGINT or SIGTERM. Returns the process's exit code (see --help).
int runLoggerCommand(int argc, const char* const* argv);

} // namespace orvane
