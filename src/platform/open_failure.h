#pragma once

#include <string>
#include <vector>

namespace orvane {

// What the system tells about a device that failed to open, for a reason the user can act on.
struct OpenFailure {
  int error = 0;                    // errno of the step that failed
  std::string owningGroup;          // the group the device belongs to (permission denied)
  std::string holder;               // the program holding the device, when known (in use)
  std::vector<std::string> present; // the serial devices present, described (no such device)
};

// The reason and what to do about it, built from the errno it answers: the lines that follow
// "The serial port <device> could not be opened:".
std::string openFailureReason(const OpenFailure& failure);

// Gathers what the system tells about `device` failing with `error`, without waiting: the
// device's group, the program holding it (a UUCP lock file, an flock, an open descriptor),
// the devices present.
OpenFailure observeOpenFailure(const std::string& device, int error);

} // namespace orvane
