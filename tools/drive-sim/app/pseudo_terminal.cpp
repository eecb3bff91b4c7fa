#include "app/pseudo_terminal.h"

#include <cerrno>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <system_error>
#include <termios.h>
#include <unistd.h>

namespace orvane::sim {
namespace {

[[noreturn]] void failWith(const std::string& what) {
  throw std::system_error(errno, std::generic_category(), what);
}

} // namespace

PseudoTerminal::PseudoTerminal(std::string linkPath) {
  master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (master_ < 0)
    failWith("posix_openpt");
  try {
    if (grantpt(master_) != 0 || unlockpt(master_) != 0)
      failWith("unlocking the pseudo-terminal");
    const char* name = ptsname(master_);
    if (name == nullptr)
      failWith("ptsname");
    slavePath_ = name;
    slave_ = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave_ < 0)
      failWith("opening " + slavePath_);
    termios line{};
    if (tcgetattr(slave_, &line) != 0)
      failWith("tcgetattr");
    cfmakeraw(&line);
    if (tcsetattr(slave_, TCSANOW, &line) != 0)
      failWith("tcsetattr");
    const int flags = fcntl(master_, F_GETFL);
    if (flags < 0 || fcntl(master_, F_SETFL, flags | O_NONBLOCK) != 0)
      failWith("fcntl");
    if (!linkPath.empty()) {
      struct stat existing {};
      if (lstat(linkPath.c_str(), &existing) == 0 && S_ISLNK(existing.st_mode))
        ::unlink(linkPath.c_str());
      if (symlink(slavePath_.c_str(), linkPath.c_str()) != 0)
        failWith("making the link " + linkPath);
      linkPath_ = std::move(linkPath);
    }
  } catch (...) {
    if (slave_ >= 0)
      ::close(slave_);
    ::close(master_);
    throw;
  }
}

PseudoTerminal::~PseudoTerminal() {
  if (!linkPath_.empty())
    ::unlink(linkPath_.c_str());
  ::close(slave_);
  ::close(master_);
}

} // namespace orvane::sim
