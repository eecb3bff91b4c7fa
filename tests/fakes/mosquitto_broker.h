#pragma once

#include <csignal>
#include <filesystem>
#include <string>
#include <sys/types.h>

namespace orvane::testing {

// Debian's mosquitto broker on 127.0.0.1, started by the test with a generated
// configuration in a folder of the test's. It saves its sessions at every change, so
// that after a restart, even one after SIGKILL, a subscriber that reconnects gets what
// was published while it was away. The extra lines go into the configuration as they are.
class MosquittoBroker {
public:
  explicit MosquittoBroker(std::filesystem::path folder, std::string extraConfig = {});
  ~MosquittoBroker() { stop(); }

  int port() const { return port_; }
  // A second free port, for a listener the extra configuration declares.
  static int freePort();

  // Returns once the broker accepts connections.
  void start();
  void stop(int signal = SIGTERM);
  // Stops the broker's process without closing its connections: what is sent to it waits
  // unanswered in its socket.
  void freeze() { kill(process_, SIGSTOP); }

private:
  std::filesystem::path folder_;
  std::string extraConfig_;
  int port_;
  pid_t process_ = -1;
};

} // namespace orvane::testing
