#pragma once

#include <string>
#include <vector>

namespace orvane::testing {

// Runs build/bin/drive-sim on a pseudo-terminal for end-to-end tests and
// stops it when it goes out of scope (or on kill(), as a drive that vanishes).
class DriveSimProcess {
public:
  explicit DriveSimProcess(const std::vector<std::string>& arguments);
  ~DriveSimProcess();
  DriveSimProcess(const DriveSimProcess&) = delete;
  DriveSimProcess& operator=(const DriveSimProcess&) = delete;

  // The pty the simulator answers on.
  const std::string& devicePath() const { return devicePath_; }
  void kill();

  static std::string binary();

private:
  int pid_ = -1;
  std::string devicePath_;
};

} // namespace orvane::testing
