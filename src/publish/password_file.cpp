#include "publish/password_file.h"

#include "platform/file_descriptor.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace orvane {
namespace {

constexpr std::size_t kLongestFile = 1024;
constexpr const char* kCredentialName = "mqtt-password";

PasswordResult passwordFailure(std::string why) { return {std::nullopt, std::move(why)}; }

std::string modeText(mode_t mode) {
  char text[8];
  std::snprintf(text, sizeof text, "%04o", static_cast<unsigned>(mode & 07777));
  return text;
}

// The first line of the open file, read no further than 1 KB.
PasswordResult firstLine(int fd, const std::string& path) {
  std::string text(kLongestFile + 1, '\0');
  std::size_t filled = 0;
  while (filled < text.size()) {
    const ssize_t count = ::read(fd, text.data() + filled, text.size() - filled);
    if (count < 0 && errno == EINTR)
      continue;
    if (count < 0)
      return passwordFailure("cannot read the password file " + path + ": " + std::strerror(errno));
    if (count == 0)
      break;
    filled += static_cast<std::size_t>(count);
  }
  text.resize(filled);
  const std::size_t end = text.find('\n');
  if (end == std::string::npos && filled > kLongestFile)
    return passwordFailure("the password file " + path + " has no line end within its first 1 KB");
  std::string line = text.substr(0, end);
  if (line.ends_with('\r'))
    line.pop_back();
  if (line.empty())
    return passwordFailure("the password file " + path + " begins with an empty line");
  return {line, {}};
}

// Opened without waiting: a FIFO named as the file must not hang the start.
int openWithoutWaiting(const std::string& path) {
  return ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
}

} // namespace

PasswordResult readPasswordFile(const std::string& path) {
  const FileDescriptor file(openWithoutWaiting(path));
  struct stat info {};
  if (file.get() < 0 || fstat(file.get(), &info) != 0)
    return passwordFailure("cannot read the password file " + path + ": " + std::strerror(errno));
  if (!S_ISREG(info.st_mode))
    return passwordFailure("the password file " + path + " is not a regular file");
  if (info.st_uid != geteuid())
    return passwordFailure(
        "the password file " + path + " belongs to another user (uid " + std::to_string(info.st_uid) +
        "): it must belong to the user the program runs as (uid " + std::to_string(geteuid()) + ")");
  if ((info.st_mode & (S_IRWXG | S_IRWXO)) != 0)
    return passwordFailure("the password file " + path + " is open to group or others (mode " +
                           modeText(info.st_mode) + "): chmod 600 " + path);
  return firstLine(file.get(), path);
}

std::optional<PasswordResult> readPasswordCredential() {
  const char* folder = std::getenv("CREDENTIALS_DIRECTORY");
  if (folder == nullptr || *folder == '\0')
    return std::nullopt;
  const std::string path = std::string(folder) + "/" + kCredentialName;
  const FileDescriptor file(openWithoutWaiting(path));
  if (file.get() < 0 && errno == ENOENT)
    return std::nullopt;
  if (file.get() < 0)
    return passwordFailure("cannot read the credential " + path + ": " + std::strerror(errno));
  return firstLine(file.get(), path);
}

} // namespace orvane
