#pragma once

#include <optional>
#include <string>
#include <sys/types.h>

namespace orvane {

// Which file a name stands for: it changes when the file is renamed away, deleted or replaced.
struct FileIdentity {
  dev_t device = 0;
  ino_t inode = 0;
  bool operator==(const FileIdentity&) const = default;
};

// A folder held open, so that every file in it is opened by its name within it, never by a path
// walked again (a folder renamed or a link put in its place cannot redirect the lines).
class LogFolder {
public:
  LogFolder() = default;
  ~LogFolder();
  LogFolder(LogFolder&& other) noexcept;
  LogFolder& operator=(LogFolder&& other) noexcept;
  LogFolder(const LogFolder&) = delete;
  LogFolder& operator=(const LogFolder&) = delete;

  // Opens `path`, which must be a folder. Returns the errno on failure.
  int open(const std::string& path);
  int fd() const { return fd_; }
  // Makes the names created in the folder durable. Returns the errno on failure.
  int sync() const;
  // The file at `name` now, not following a link; none when nothing is there.
  std::optional<FileIdentity> identityOf(const std::string& name) const;

private:
  int fd_ = -1;
};

} // namespace orvane
