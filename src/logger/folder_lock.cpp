#include "logger/folder_lock.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvane {
namespace {

// "process 4711 (orvane-trend)", as far as the lock file and /proc tell.
std::string holderText(int fd) {
  char text[32] = {};
  const ssize_t length = ::pread(fd, text, sizeof text - 1, 0);
  int pid = 0;
  const auto [end, error] = std::from_chars(text, text + std::max<ssize_t>(length, 0), pid);
  if (error != std::errc() || pid <= 0)
    return "another process";
  std::string name;
  std::getline(std::ifstream("/proc/" + std::to_string(pid) + "/comm"), name);
  return "process " + std::to_string(pid) + (name.empty() ? "" : " (" + name + ")");
}

} // namespace

FolderLock::~FolderLock() {
  if (fd_ >= 0)
    ::close(fd_);
}

std::string FolderLock::take(const LogFolder& folder) {
  const int fd = ::openat(folder.fd(), kFileName, O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0640);
  if (fd < 0)
    return std::strerror(errno);
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return std::string(kFileName) + " is not a regular file";
  }
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const int error = errno;
    std::string refusal = error == EWOULDBLOCK ? "another logger records into it: " + holderText(fd)
                                               : std::string(std::strerror(error));
    ::close(fd);
    return refusal;
  }
  const std::string pid = std::to_string(::getpid()) + "\n";
  if (::ftruncate(fd, 0) != 0 || ::pwrite(fd, pid.data(), pid.size(), 0) != static_cast<ssize_t>(pid.size())) {
    const int error = errno;
    ::close(fd);
    return std::strerror(error);
  }
  fd_ = fd;
  return {};
}

} // namespace orvane
