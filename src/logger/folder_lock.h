#pragma once

#include "session_log/log_folder.h"

#include <string>

namespace orvane {

// The one logger of a folder: an exclusive lock on a file in it, held for as long as this lives.
// The holder writes its process id into the file, so that a second logger can say who records
// there. Two loggers in one folder would share Events.CSV and cut into each other's lines.
class FolderLock {
public:
  static constexpr const char* kFileName = ".orvane-logger.lock";

  FolderLock() = default;
  ~FolderLock();
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

  // Takes the lock; returns why it cannot (the holder, or the system's reason), empty when taken.
  std::string take(const LogFolder& folder);

private:
  int fd_ = -1;
};

} // namespace orvane
