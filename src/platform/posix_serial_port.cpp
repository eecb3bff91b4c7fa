#include "platform/posix_serial_port.h"

#include "platform/device_choice.h"
#include "platform/open_failure.h"
#include "platform/serial_devices.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <thread>
#include <unistd.h>

namespace orvane {
namespace {

// One character on the line: start bit, 8 data bits, parity bit, stop bit.
constexpr std::chrono::microseconds kCharacterTime{11 * 1'000'000 / 4800};
// A drive that once answers slowly must not slow every later wait by as much.
constexpr std::chrono::microseconds kLongestAnswerDelay{10'000};

// Unix98 pseudo-terminal slaves use majors 136 to 143.
bool isPseudoTerminal(int fd) {
  struct stat info {};
  if (fstat(fd, &info) != 0 || !S_ISCHR(info.st_mode))
    return false;
  const unsigned deviceMajor = major(info.st_rdev);
  return deviceMajor >= 136 && deviceMajor <= 143;
}

bool lineHolds(const termios& wanted, const termios& actual) {
  const tcflag_t cflagMask = CSIZE | CSTOPB | PARENB | PARODD | CRTSCTS;
  return (wanted.c_cflag & cflagMask) == (actual.c_cflag & cflagMask) && cfgetispeed(&actual) == B4800 &&
         cfgetospeed(&actual) == B4800 &&
         (actual.c_iflag & (IXON | IXOFF | ICRNL | INLCR | IGNCR | ISTRIP)) == 0 &&
         (actual.c_lflag & (ICANON | ECHO | ISIG | IEXTEN)) == 0 && (actual.c_oflag & OPOST) == 0;
}

// Says why, and what to do, in the terms of the system's answer. A stable link is named with the
// node behind it, the name the system's own messages use.
[[noreturn]] void fail(const std::string& device, int error) {
  std::error_code unresolved;
  const std::string node = std::filesystem::canonical(device, unresolved);
  const std::string named = unresolved || node == device ? device : device + " (" + node + ")";
  throw PortOpenError(named, openFailureReason(observeOpenFailure(device, error)));
}

} // namespace

termios requestedLineSettings(termios current) {
  termios settings = current;
  cfmakeraw(&settings);
  settings.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY | INPCK | ISTRIP | IGNPAR | PARMRK);
  settings.c_cflag &= ~static_cast<tcflag_t>(CSIZE | CSTOPB | PARODD | CRTSCTS);
  settings.c_cflag |= CS8 | PARENB | CLOCAL | CREAD;
  settings.c_cc[VMIN] = 0;
  settings.c_cc[VTIME] = 0;
  cfsetispeed(&settings, B4800);
  cfsetospeed(&settings, B4800);
  return settings;
}

// The port is gone with its owner: whichever thread ends it, no other can use it any more.
PosixSerialPort::~PosixSerialPort() { closeDevice(); }

void PosixSerialPort::open() {
  checkThread("PosixSerialPort::open");
  if (isOpen())
    return;
  const std::string device = fixedDevice_.empty() ? serialDeviceForPort(portNumber_) : fixedDevice_;
  std::error_code unresolved;
  const std::string node = std::filesystem::canonical(device, unresolved);
  // An empty slot would open and then leave every exchange to time out.
  if (!unresolved && isPortWithoutUart(node))
    fail(device, ENXIO);
  // The lock file before the open: opening a terminal can already raise its control lines.
  if (const int error = unresolved ? 0 : lock_.acquire(node))
    fail(device, error);
  fd_ = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd_ < 0) {
    const int error = errno;
    lock_.release();
    fail(device, error);
  }
  try {
    if (flock(fd_, LOCK_EX | LOCK_NB) != 0 || ioctl(fd_, TIOCEXCL) != 0)
      fail(device, errno);
    configureLine(device);
  } catch (...) {
    ::close(fd_);
    fd_ = -1;
    savedSettings_.reset();
    lock_.release();
    throw;
  }
  received_.clear();
}

void PosixSerialPort::configureLine(const std::string& device) {
  termios original{};
  if (tcgetattr(fd_, &original) != 0)
    fail(device, errno);
  savedSettings_ = original;
  const termios wanted = requestedLineSettings(original);
  const bool pseudoTerminal = isPseudoTerminal(fd_);
  if (tcsetattr(fd_, TCSANOW, &wanted) != 0) {
    // A pseudo-terminal may refuse parity outright; keep everything else.
    termios withoutParity = wanted;
    withoutParity.c_cflag &= ~static_cast<tcflag_t>(PARENB);
    if (!pseudoTerminal || tcsetattr(fd_, TCSANOW, &withoutParity) != 0)
      fail(device, errno);
  }
  termios actual{};
  if (tcgetattr(fd_, &actual) != 0)
    fail(device, errno);
  termios expected = wanted;
  if (pseudoTerminal) {
    // The kernel drops parity on a pty; what matters there is a raw 8-bit line.
    expected.c_cflag = (expected.c_cflag & ~static_cast<tcflag_t>(PARENB)) | (actual.c_cflag & PARENB);
  }
  if (!lineHolds(expected, actual))
    throw PortOpenError(device, "The line settings 4800 baud 8-E-1 were not accepted.\nPlease check the port "
                                "chosen in Options.");
  tcflush(fd_, TCIOFLUSH);
}

void PosixSerialPort::close() {
  checkThread("PosixSerialPort::close");
  closeDevice();
}

void PosixSerialPort::closeDevice() {
  if (fd_ < 0)
    return;
  if (savedSettings_)
    tcsetattr(fd_, TCSANOW, &*savedSettings_);
  savedSettings_.reset();
  // The exclusive mode outlives this descriptor where the other end stays open (a pty's master).
  ioctl(fd_, TIOCNXCL);
  flock(fd_, LOCK_UN);
  ::close(fd_);
  fd_ = -1;
  lock_.release();
  received_.clear();
  emptyAtLastRead_ = false;
}

void PosixSerialPort::send(std::span<const std::uint8_t> bytes) {
  checkThread("PosixSerialPort::send");
  if (!isOpen())
    return;
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t count = ::write(fd_, bytes.data() + written, bytes.size() - written);
    if (count > 0) {
      written += static_cast<std::size_t>(count);
    } else if (count < 0 && (errno == EAGAIN || errno == EINTR)) {
      pollfd writable{fd_, POLLOUT, 0};
      if (poll(&writable, 1, 2000) <= 0)
        return; // the line is stuck; the reply wait reports the failure
    } else {
      return; // the device has gone; the reply wait reports the failure
    }
  }
  sentUntil_ = std::chrono::steady_clock::now() + static_cast<long>(bytes.size()) * kCharacterTime;
  receivedSinceSend_ = 0;
  emptyAtLastRead_ = false;
}

void PosixSerialPort::drainDevice() {
  std::uint8_t chunk[256];
  while (isOpen() && !emptyAtLastRead_ && received_.size() < kReceiveBufferSize) {
    const std::size_t room = kReceiveBufferSize - received_.size();
    const std::size_t asked = room < sizeof chunk ? room : sizeof chunk;
    const ssize_t count = ::read(fd_, chunk, asked);
    // Fewer bytes than asked for: the device had no more.
    emptyAtLastRead_ = count < static_cast<ssize_t>(asked);
    if (count > 0) {
      received_.insert(received_.end(), chunk, chunk + count);
      receivedSinceSend_ += static_cast<std::size_t>(count);
    }
  }
}

std::size_t PosixSerialPort::bytesReceived() {
  checkThread("PosixSerialPort::bytesReceived");
  drainDevice();
  return received_.size();
}

std::vector<std::uint8_t> PosixSerialPort::readAll() {
  checkThread("PosixSerialPort::readAll");
  drainDevice();
  std::vector<std::uint8_t> bytes;
  bytes.swap(received_);
  return bytes;
}

void PosixSerialPort::sleepUntil(std::chrono::steady_clock::time_point time) {
  emptyAtLastRead_ = false;
  const auto left = time - std::chrono::steady_clock::now();
  if (wakeup_)
    wakeup_->sleepFor(left);
  else
    std::this_thread::sleep_for(left);
}

void PosixSerialPort::waitForInput(std::chrono::nanoseconds timeout, std::size_t wanted) {
  checkThread("PosixSerialPort::waitForInput");
  using std::chrono::steady_clock;
  const auto deadline = steady_clock::now() + timeout;
  if (!isOpen()) {
    sleepUntil(deadline);
    return;
  }
  const std::size_t before = received_.size();
  const auto arrived = [&] { return received_.size() - before; };
  // A reply cannot be complete before our own bytes have left the line, the
  // drive has taken its time to answer and the wanted bytes have come back
  // over the line: sleep that out before looking.
  const auto replyEnd =
      sentUntil_ + answerDelay_ + static_cast<long>(receivedSinceSend_ + wanted) * kCharacterTime;
  sleepUntil(std::min(deadline, replyEnd));
  drainDevice();
  if (arrived() >= wanted) {
    // Complete on waking, perhaps for a while: look a little sooner next time,
    // so a drive that has become quicker is not kept waiting.
    answerDelay_ = std::max(decltype(answerDelay_)::zero(), answerDelay_ - kCharacterTime / 4);
    return;
  }
  // How long the drive took to begin its answer, given that `bytes` of it are
  // in and had their time on the line.
  const auto answeredAfter = [&](std::size_t bytes) {
    return std::chrono::duration_cast<std::chrono::microseconds>(steady_clock::now() - sentUntil_) -
           static_cast<long>(bytes) * kCharacterTime;
  };
  const bool replyHadBegun = receivedSinceSend_ > 0;
  if (replyHadBegun) // behind time: the next byte is not in yet, so the drive was at least this slow
    answerDelay_ = std::max(answerDelay_, std::min(answeredAfter(receivedSinceSend_ + 1), kLongestAnswerDelay));
  const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - steady_clock::now()).count();
  pollfd watched[2] = {{fd_, POLLIN, 0}, {wakeup_ ? wakeup_->fileDescriptor() : -1, POLLIN, 0}};
  const pollfd& readable = watched[0];
  emptyAtLastRead_ = false;
  if (left <= 0 || poll(watched, 2, static_cast<int>(left)) <= 0 || watched[1].revents != 0)
    return;
  drainDevice();
  if (readable.revents & (POLLHUP | POLLERR | POLLNVAL)) {
    // The other end has gone (an adapter pulled out, the drive's pty closed):
    // the device stays "ready" for ever. Sleep out the time instead of
    // returning at once, so the caller's wait cannot spin.
    if (arrived() == 0)
      sleepUntil(deadline);
    return;
  }
  // Woken by the reply's first bytes: the delay is known, give or take the
  // time it took to wake, so err half a character early rather than late.
  if (!replyHadBegun && receivedSinceSend_ > 0)
    answerDelay_ = std::clamp(answeredAfter(receivedSinceSend_) - kCharacterTime / 2,
                              decltype(answerDelay_)::zero(), kLongestAnswerDelay);
  // More is coming, no faster than the line carries it: sleep out the time of
  // all but the last byte rather than wake for each one as a paced line
  // delivers them, and leave the last to the next wait so it is seen at once.
  if (arrived() + 1 < wanted)
    sleepUntil(
        std::min(deadline, steady_clock::now() + static_cast<long>(wanted - arrived() - 1) * kCharacterTime));
}

} // namespace orvane
