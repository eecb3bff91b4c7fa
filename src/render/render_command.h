#pragma once

namespace orvane {

// `orvane-trend --render FILE ...`: draws a session log into a picture with no
// display server and no window. Returns the process's exit status: 0 drawn,
// 1 the file cannot be drawn, 2 bad arguments (with the usage), each reason on
// standard error.
int runRenderCommand(int argc, char* argv[]);

} // namespace orvane
