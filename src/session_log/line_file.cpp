#include "session_log/line_file.h"

#include "session_log/session_log_format.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace orvane {
namespace {

constexpr mode_t kFileMode = 0640;

int errorOf(int result) { return result == 0 ? 0 : errno; }

} // namespace

LineFile::~LineFile() { close(); }

LineFile::LineFile(LineFile&& other) noexcept
    : use_(other.use_), fd_(std::exchange(other.fd_, -1)), size_(other.size_),
      dirtySince_(std::exchange(other.dirtySince_, {})) {}

LineFile& LineFile::operator=(LineFile&& other) noexcept {
  if (this != &other) {
    close();
    use_ = other.use_;
    fd_ = std::exchange(other.fd_, -1);
    size_ = other.size_;
    dirtySince_ = std::exchange(other.dirtySince_, {});
  }
  return *this;
}

// Opens without blocking (a FIFO put at the name would hold the open until a reader came) and
// keeps only a regular file, for the logger. Reading is allowed too: a cut-back and a missing
// line end look at the file's last bytes first.
int LineFile::open(const LogFolder& folder, const std::string& name, int flags) {
  close();
  const bool own = use_ == Use::LoggerFile;
  const int fd = ::openat(folder.fd(), name.c_str(),
                          O_RDWR | O_APPEND | O_CLOEXEC | O_NONBLOCK | (own ? O_NOFOLLOW : 0) | flags, kFileMode);
  if (fd < 0)
    return errno;
  struct stat info {};
  const bool fits = ::fstat(fd, &info) == 0 && (S_ISREG(info.st_mode) || !own);
  if (!fits || ::fcntl(fd, F_SETFL, O_APPEND) != 0) {
    const int error = fits ? errno : EINVAL;
    ::close(fd);
    return error;
  }
  fd_ = fd;
  size_ = S_ISREG(info.st_mode) ? info.st_size : 0;
  return 0;
}

int LineFile::createNew(const LogFolder& folder, const std::string& name) {
  if (const int error = open(folder, name, O_CREAT | O_EXCL))
    return error;
  return folder.sync();
}

int LineFile::openForAppend(const LogFolder& folder, const std::string& name) {
  if (const int error = open(folder, name, O_CREAT))
    return error;
  char last = '\n';
  if (size_ > 0 && ::pread(fd_, &last, 1, size_ - 1) != 1)
    return errno;
  if (last != '\n')
    return write(kLogLineEnd);
  return size_ == 0 ? folder.sync() : 0;
}

int LineFile::openEmptied(const LogFolder& folder, const std::string& name) {
  return open(folder, name, O_CREAT | O_TRUNC);
}

bool LineFile::isAt(const LogFolder& folder, const std::string& name) const {
  struct stat info {};
  const std::optional<FileIdentity> there = folder.identityOf(name);
  return fd_ >= 0 && there && ::fstat(fd_, &info) == 0 && *there == FileIdentity{info.st_dev, info.st_ino};
}

int LineFile::appendLine(std::string_view line, Clock::Duration now) {
  std::string whole(line);
  whole += kLogLineEnd;
  if (const int error = write(whole))
    return error;
  if (!dirtySince_ && use_ == Use::LoggerFile)
    dirtySince_ = now;
  return 0;
}

int LineFile::write(std::string_view bytes) {
  if (fd_ < 0)
    return EBADF;
  ssize_t written = -1;
  do {
    // cppcheck-suppress invalidLifetime ; the caller's line outlives this call
    written = ::write(fd_, bytes.data(), bytes.size());
  } while (written < 0 && errno == EINTR);
  if (written == static_cast<ssize_t>(bytes.size())) {
    size_ += written;
    return 0;
  }
  const int error = written < 0 ? errno : ENOSPC;
  if (written > 0) // the part that went in would end the file in a broken line
    cutBackPartial(bytes.substr(0, static_cast<std::size_t>(written)));
  return error;
}

// Cuts the file back by `part` only when its end is that part: a size smaller than it (a file
// emptied meanwhile) or other bytes there (another writer) leave the file as it is.
int LineFile::cutBackPartial(std::string_view part) const {
  struct stat info {};
  if (::fstat(fd_, &info) != 0)
    return errno;
  const off_t length = static_cast<off_t>(part.size());
  if (info.st_size < length)
    return 0;
  std::string end(part.size(), '\0');
  if (::pread(fd_, end.data(), end.size(), info.st_size - length) != length || end != part)
    return 0;
  return errorOf(::ftruncate(fd_, info.st_size - length));
}

int LineFile::sync() {
  const bool due = fd_ >= 0 && dirtySince_;
  dirtySince_.reset();
  return due ? errorOf(::fdatasync(fd_)) : 0;
}

int LineFile::close() {
  if (fd_ < 0)
    return 0;
  const int syncError = sync();
  const int closeError = errorOf(::close(fd_));
  fd_ = -1;
  size_ = 0;
  return syncError ? syncError : closeError;
}

} // namespace orvane
