#include "session_log/line_file.h"

#include "session_log/session_log_format.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace orvane {
namespace {

// A new name reaches the disk only with its folder.
void syncFolderOf(const std::string& path) {
  const std::string folder = std::filesystem::path(path).parent_path().string();
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0)
    return;
  ::fsync(fd);
  ::close(fd);
}

} // namespace

LineFile::~LineFile() { close(); }

LineFile::LineFile(LineFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), size_(other.size_), dirtySince_(std::exchange(other.dirtySince_, {})) {}

LineFile& LineFile::operator=(LineFile&& other) noexcept {
  if (this != &other) {
    close();
    fd_ = std::exchange(other.fd_, -1);
    size_ = other.size_;
    dirtySince_ = std::exchange(other.dirtySince_, {});
  }
  return *this;
}

int LineFile::createNew(const std::string& path) {
  close();
  fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_APPEND | O_CLOEXEC, 0644);
  if (fd_ < 0)
    return errno;
  size_ = 0;
  syncFolderOf(path);
  return 0;
}

int LineFile::openForAppend(const std::string& path) {
  close();
  fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
  if (fd_ < 0)
    return errno;
  struct stat info {};
  size_ = ::fstat(fd_, &info) == 0 ? info.st_size : 0;
  if (size_ == 0)
    syncFolderOf(path);
  return 0;
}

int LineFile::appendLine(std::string_view line, Clock::Duration now) {
  if (fd_ < 0)
    return EBADF;
  std::string whole(line);
  whole += kLogLineEnd;
  ssize_t written = -1;
  do {
    written = ::write(fd_, whole.data(), whole.size());
  } while (written < 0 && errno == EINTR);
  const int error = written < 0 ? errno : ENOSPC;
  if (written == static_cast<ssize_t>(whole.size())) {
    size_ += written;
    if (!dirtySince_)
      dirtySince_ = now;
    return 0;
  }
  if (written > 0) // the part that went in would end the file in a broken line
    static_cast<void>(::ftruncate(fd_, size_));
  return error;
}

void LineFile::syncIfDue(Clock::Duration now) {
  if (dirtySince_ && now >= *dirtySince_ + kSyncInterval)
    sync();
}

void LineFile::sync() {
  if (fd_ >= 0 && dirtySince_)
    ::fdatasync(fd_);
  dirtySince_.reset();
}

void LineFile::close() {
  if (fd_ < 0)
    return;
  sync();
  ::close(fd_);
  fd_ = -1;
  size_ = 0;
}

} // namespace orvane
