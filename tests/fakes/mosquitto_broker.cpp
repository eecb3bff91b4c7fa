#include "mosquitto_broker.h"

#include <arpa/inet.h>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <netinet/in.h>
#include <pwd.h>
#include <stdexcept>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace orvane::testing {
namespace {

sockaddr_in loopback(int port) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<std::uint16_t>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  return address;
}

bool accepts(int port) {
  const int probe = socket(AF_INET, SOCK_STREAM, 0);
  const sockaddr_in address = loopback(port);
  const bool connected = connect(probe, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  close(probe);
  return connected;
}

} // namespace

int MosquittoBroker::freePort() {
  const int probe = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address = loopback(0);
  socklen_t length = sizeof address;
  bind(probe, reinterpret_cast<const sockaddr*>(&address), sizeof address);
  getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length);
  close(probe);
  return ntohs(address.sin_port);
}

MosquittoBroker::MosquittoBroker(std::filesystem::path folder, std::string extraConfig)
    : folder_(std::move(folder)), extraConfig_(std::move(extraConfig)), port_(freePort()) {
  start();
}

void MosquittoBroker::start() {
  const std::string config = (folder_ / "mosquitto.conf").string();
  std::ofstream(config) << "user " << getpwuid(getuid())->pw_name << "\n"
                        << "persistence true\nautosave_on_changes true\nautosave_interval 1\npersistence_location "
                        << folder_.string() << "/\n"
                        << "max_queued_messages 0\nlog_dest file " << (folder_ / "broker.log").string() << "\n"
                        << "listener " << port_ << " 127.0.0.1\n"
                        << (extraConfig_.empty() ? "allow_anonymous true\n" : extraConfig_);
  process_ = fork();
  if (process_ == 0) {
    const int log = open((folder_ / "broker.out").c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
    dup2(log, STDOUT_FILENO);
    dup2(log, STDERR_FILENO);
    execlp("mosquitto", "mosquitto", "-c", config.c_str(), nullptr);
    _exit(127);
  }
  for (int attempt = 0; attempt < 2000 && !accepts(port_); ++attempt)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  if (!accepts(port_))
    throw std::runtime_error("mosquitto did not start; see " + (folder_ / "broker.log").string());
}

void MosquittoBroker::stop(int signal) {
  if (process_ <= 0)
    return;
  kill(process_, signal);
  kill(process_, SIGCONT);
  waitpid(process_, nullptr, 0);
  process_ = -1;
}

} // namespace orvane::testing
