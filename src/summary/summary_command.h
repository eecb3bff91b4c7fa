#pragma once

namespace orvane {

// `orvane-trend --summary FILE|DIR ...`: the figures per local day on standard output, with no
// display. Returns the process's exit status, as --render's: 0 done, 1 nothing to sum up (the
// reason on standard error), 2 bad arguments (with the usage).
int runSummaryCommand(int argc, const char* const* argv);

} // namespace orvane
