#pragma once

#include <cerrno>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

namespace orvane::testing {

// Where a service manager hears its services: a datagram socket bound at `path`.
class NotifySocket {
public:
  explicit NotifySocket(std::string path) : path_(std::move(path)) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path_.copy(address.sun_path, sizeof address.sun_path - 1);
    fd_ = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    ::bind(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address);
  }
  ~NotifySocket() { ::close(fd_); }

  const std::string& path() const { return path_; }
  // The messages that came since the last call, in order.
  std::vector<std::string> received() {
    std::vector<std::string> messages;
    char buffer[4096];
    for (ssize_t length; (length = ::recv(fd_, buffer, sizeof buffer, 0)) >= 0;)
      messages.emplace_back(buffer, static_cast<std::size_t>(length));
    return messages;
  }

private:
  std::string path_;
  int fd_ = -1;
};

} // namespace orvane::testing
