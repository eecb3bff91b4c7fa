#include "logger/service_notifier.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <unistd.h>

namespace orvane {

ServiceNotifier::ServiceNotifier(const char* socket) {
  const std::size_t length = socket == nullptr ? 0 : std::strlen(socket);
  if (length == 0 || length >= sizeof address_.sun_path || (socket[0] != '/' && socket[0] != '@'))
    return;
  address_.sun_family = AF_UNIX;
  std::memcpy(address_.sun_path, socket, length);
  if (socket[0] == '@')
    address_.sun_path[0] = '\0';
  addressLength_ = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + length);
  fd_ = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
}

ServiceNotifier::~ServiceNotifier() {
  if (fd_ >= 0)
    ::close(fd_);
}

void ServiceNotifier::status(const std::string& text) {
  std::string line = text;
  std::replace_if(
      line.begin(), line.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
  send("STATUS=" + line);
}

void ServiceNotifier::send(const std::string& message) {
  if (fd_ >= 0)
    static_cast<void>(::sendto(fd_, message.data(), message.size(), MSG_NOSIGNAL,
                               reinterpret_cast<const sockaddr*>(&address_), addressLength_));
}

} // namespace orvane
