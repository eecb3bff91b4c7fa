#include "platform/uucp_lock.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace orvane {
namespace {

std::optional<pid_t> lockHolder(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
  if (fd < 0)
    return std::nullopt;
  char text[32];
  const ssize_t count = ::read(fd, text, sizeof text);
  ::close(fd);
  if (count <= 0)
    return std::nullopt;
  std::string_view number(text, static_cast<std::size_t>(count));
  number.remove_prefix(std::min(number.find_first_not_of(' '), number.size()));
  pid_t holder = 0;
  if (std::from_chars(number.data(), number.data() + number.size(), holder).ec != std::errc() || holder <= 0)
    return std::nullopt;
  return holder;
}

// A process of another user may not be signalled, but it runs.
bool isRunning(pid_t process) { return kill(process, 0) == 0 || errno == EPERM; }

} // namespace

std::string uucpLockName(const std::string& node) {
  return "LCK.." + std::filesystem::path(node).filename().string();
}

int UucpLock::acquire(const std::string& node) {
  release();
  const std::string path = folder_ + "/" + uucpLockName(node);
  if (const std::optional<pid_t> holder = lockHolder(path); holder && *holder != getpid() && isRunning(*holder))
    return EBUSY;
  // Unreadable, or its process has ended: stale.
  ::unlink(path.c_str());

  // Written whole under a name of its own, then linked into place: another program never reads
  // a half-written lock, and of two programs linking at once, one fails.
  std::string draft = folder_ + "/LCK.XXXXXX";
  const int fd = mkstemp(draft.data());
  if (fd < 0)
    return 0;
  char text[16];
  const int length = std::snprintf(text, sizeof text, "%10d\n", static_cast<int>(getpid()));
  const bool written = fchmod(fd, 0644) == 0 && ::write(fd, text, static_cast<std::size_t>(length)) == length;
  ::close(fd);
  const bool linked = written && ::link(draft.c_str(), path.c_str()) == 0;
  const int linkError = errno;
  ::unlink(draft.c_str());
  if (linked)
    held_ = path;
  return !linked && written && linkError == EEXIST ? EBUSY : 0;
}

void UucpLock::release() {
  if (held_.empty())
    return;
  if (lockHolder(held_) == getpid())
    ::unlink(held_.c_str());
  held_.clear();
}

} // namespace orvane
