#include "fakes/drive_sim_process.h"

#include <poll.h>
#include <signal.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace orvane::testing {

std::string DriveSimProcess::binary() { return std::string(ORVANE_BIN_DIR) + "/drive-sim"; }

DriveSimProcess::DriveSimProcess(const std::vector<std::string>& arguments) {
  int output[2];
  if (pipe(output) != 0)
    throw std::runtime_error("pipe failed");
  const std::string program = binary();
  pid_ = fork();
  if (pid_ == 0) {
    dup2(output[1], STDOUT_FILENO);
    close(output[0]);
    close(output[1]);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& argument : arguments)
      argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  close(output[1]);
  // The first line the simulator prints is its pty.
  std::string line;
  pollfd readable{output[0], POLLIN, 0};
  while (line.find('\n') == std::string::npos && poll(&readable, 1, 5000) > 0) {
    char chunk[256];
    const ssize_t count = read(output[0], chunk, sizeof chunk);
    if (count <= 0)
      break;
    line.append(chunk, static_cast<std::size_t>(count));
  }
  close(output[0]);
  const auto end = line.find('\n');
  if (end == std::string::npos) {
    kill();
    throw std::runtime_error("drive-sim did not print its pty");
  }
  devicePath_ = line.substr(0, end);
}

DriveSimProcess::~DriveSimProcess() { kill(); }

void DriveSimProcess::kill() {
  if (pid_ <= 0)
    return;
  ::kill(pid_, SIGTERM);
  int status = 0;
  waitpid(pid_, &status, 0);
  pid_ = -1;
}

} // namespace orvane::testing
