#pragma once

#include <string>
#include <sys/socket.h>
#include <sys/un.h>

namespace orvane {

// Tells the service manager how the logger is, by its notify protocol: one datagram a message to
// the AF_UNIX socket that NOTIFY_SOCKET names (a leading "@" names an abstract one). READY=1 once
// the folder is taken, WATCHDOG=1 from the loop itself, so that a loop stuck in a call (a hung
// disk) is restarted and not only a dead process, STATUS= with the drive and the file. Without a
// socket it says nothing. A send never waits: a full socket loses the message, not the tick.
// Used on the logger's thread.
class ServiceNotifier {
public:
  // `socket` as NOTIFY_SOCKET gives it; null or empty for none.
  explicit ServiceNotifier(const char* socket);
  ~ServiceNotifier();
  ServiceNotifier(const ServiceNotifier&) = delete;
  ServiceNotifier& operator=(const ServiceNotifier&) = delete;

  void ready() { send("READY=1"); }
  void watchdog() { send("WATCHDOG=1"); }
  void stopping() { send("STOPPING=1"); }
  // One line of text; line ends in it become blanks.
  void status(const std::string& text);

private:
  void send(const std::string& message);

  int fd_ = -1;
  sockaddr_un address_{};
  socklen_t addressLength_ = 0;
};

} // namespace orvane
