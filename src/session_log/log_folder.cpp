#include "session_log/log_folder.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace orvane {

LogFolder::~LogFolder() {
  if (fd_ >= 0)
    ::close(fd_);
}

LogFolder::LogFolder(LogFolder&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

LogFolder& LogFolder::operator=(LogFolder&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0)
      ::close(fd_);
    fd_ = std::exchange(other.fd_, -1);
  }
  return *this;
}

int LogFolder::open(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0)
    return errno;
  *this = LogFolder();
  fd_ = fd;
  return 0;
}

int LogFolder::sync() const { return ::fsync(fd_) == 0 ? 0 : errno; }

std::optional<FileIdentity> LogFolder::identityOf(const std::string& name) const {
  struct stat info {};
  if (::fstatat(fd_, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0)
    return std::nullopt;
  return FileIdentity{info.st_dev, info.st_ino};
}

} // namespace orvane
