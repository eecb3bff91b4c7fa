#include "viewer/log_follower.h"

#include "platform/file_descriptor.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvane {
namespace {

constexpr std::size_t kTailLength = 64;

bool readAt(int fd, std::uint64_t offset, std::string& into, std::size_t count) {
  into.resize(count);
  std::size_t done = 0;
  while (done < count) {
    const ssize_t got = ::pread(fd, into.data() + done, count - done, static_cast<off_t>(offset + done));
    if (got < 0 && errno == EINTR)
      continue;
    if (got <= 0)
      break;
    done += static_cast<std::size_t>(got);
  }
  into.resize(done);
  return done == count;
}

std::string megabytes(std::uint64_t bytes) { return std::to_string((bytes + (1u << 19)) >> 20) + " MB"; }

} // namespace

bool LogFollower::sameContent(int descriptor) const {
  std::string now;
  return readAt(descriptor, position_ - tail_.size(), now, tail_.size()) && now == tail_;
}

FileUpdate LogFollower::readAppended(std::size_t maxBytes) {
  FileUpdate update;
  const FileDescriptor file(::open(path_.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  struct stat info {};
  if (file.get() < 0 || ::fstat(file.get(), &info) != 0) {
    update.status = errno == ENOENT ? FileUpdate::Status::Missing : FileUpdate::Status::Failed;
    update.reason = std::strerror(errno);
    return update;
  }
  if (!S_ISREG(info.st_mode)) {
    update.status = FileUpdate::Status::Failed;
    update.reason = S_ISDIR(info.st_mode) ? "it is a folder" : "it is not a plain file";
    return update;
  }
  const auto size = static_cast<std::uint64_t>(info.st_size);
  const bool replaced = info.st_dev != device_ || info.st_ino != inode_;
  if (replaced || size < position_ || (size != size_ && !sameContent(file.get()))) {
    update.restarted = position_ > 0;
    position_ = 0;
    tail_.clear();
  }
  device_ = info.st_dev;
  inode_ = info.st_ino;
  size_ = size;
  if (position_ == 0 && size > kLargestFile) {
    update.status = FileUpdate::Status::Failed;
    update.reason =
        "it holds " + megabytes(size) + ", more than the " + megabytes(kLargestFile) + " the Session Viewer reads";
    return update;
  }
  const std::uint64_t count = std::min<std::uint64_t>(size - position_, maxBytes);
  if (!readAt(file.get(), position_, buffer_, count) && buffer_.empty() && count > 0) {
    update.status = FileUpdate::Status::Failed;
    update.reason = std::strerror(errno);
    return update;
  }
  update.bytes = buffer_;
  position_ += update.bytes.size();
  update.more = position_ < size;
  const std::size_t keep = std::min(kTailLength, update.bytes.size());
  tail_.append(update.bytes.substr(update.bytes.size() - keep));
  tail_.erase(0, tail_.size() - std::min(kTailLength, tail_.size()));
  return update;
}

} // namespace orvane
