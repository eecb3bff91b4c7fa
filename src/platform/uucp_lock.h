#pragma once

#include <string>

namespace orvane {

// Where serial programs leave their UUCP lock files.
inline constexpr const char* kUucpLockFolder = "/var/lock";

// The lock file by which serial programs tell each other that a device is theirs:
// <folder>/LCK..<device name> holding the holder's process number ("%10d\n"). Taken before the
// device is opened, removed when it is closed. Lives on the thread that owns its port.
class UucpLock {
public:
  explicit UucpLock(std::string folder) : folder_(std::move(folder)) {}
  ~UucpLock() { release(); }
  UucpLock(const UucpLock&) = delete;
  UucpLock& operator=(const UucpLock&) = delete;

  // Takes the lock of `node` (a device path, symbolic links resolved): 0, or EBUSY while a
  // process that still runs holds it. A lock file whose process has ended is stale and taken
  // over. A folder this process cannot write in is passed over: the port's flock and its
  // exclusive mode still keep other programs out.
  int acquire(const std::string& node);
  // Removes the lock file, unless another process has since put its own in its place.
  void release();

private:
  std::string folder_;
  std::string held_; // the lock file's path while this process holds it
};

// "LCK..ttyUSB0" for /dev/ttyUSB0.
std::string uucpLockName(const std::string& node);

} // namespace orvane
