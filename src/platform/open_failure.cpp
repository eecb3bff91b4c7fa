#include "platform/open_failure.h"

#include "platform/serial_devices.h"
#include "platform/uucp_lock.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <optional>
#include <sstream>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace orvane {
namespace {

namespace fs = std::filesystem;

std::string presentDevices(const std::vector<std::string>& present) {
  if (present.empty())
    return "No serial device is present: plug the adapter in, or choose the port in Options.";
  std::string list;
  for (const std::string& device : present)
    list += (list.empty() ? "" : ", ") + device;
  return "Serial devices present: " + list + ".\nPlease choose one in Options.";
}

std::string owningGroup(const std::string& device) {
  struct stat info {};
  if (stat(device.c_str(), &info) != 0)
    return {};
  const group* owner = getgrgid(info.st_gid);
  return owner != nullptr ? owner->gr_name : "";
}

std::optional<pid_t> processNumber(std::string_view text) {
  text.remove_prefix(std::min(text.find_first_not_of(" \t"), text.size()));
  pid_t number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error != std::errc() || end == text.data() || number <= 0)
    return std::nullopt;
  return number;
}

// "minicom, process 4242" for a process that still runs; empty otherwise.
std::string describeProcess(pid_t process) {
  std::ifstream comm("/proc/" + std::to_string(process) + "/comm");
  std::string name;
  if (!std::getline(comm, name))
    return {};
  return name + ", process " + std::to_string(process);
}

// A program that follows the UUCP convention leaves its process number in LCK..<node>.
std::string lockFileHolder(const fs::path& node) {
  for (const char* folder : {"/var/lock", "/run/lock"}) {
    std::ifstream lock(fs::path(folder) / uucpLockName(node));
    std::string text;
    if (std::getline(lock, text))
      if (const auto process = processNumber(text); process && *process != getpid())
        if (std::string holder = describeProcess(*process); !holder.empty())
          return holder;
  }
  return {};
}

// A program holding an flock on the device, as the kernel lists it: "1: FLOCK ADVISORY WRITE <pid>
// <major>:<minor>:<inode> 0 EOF", the numbers of the file system in hex.
std::string flockHolder(const fs::path& node) {
  struct stat info {};
  if (stat(node.c_str(), &info) != 0)
    return {};
  char key[64];
  std::snprintf(key, sizeof key, "%02x:%02x:%lu", major(info.st_dev), minor(info.st_dev),
                static_cast<unsigned long>(info.st_ino));
  std::ifstream locks("/proc/locks");
  for (std::string line; std::getline(locks, line);) {
    std::istringstream fields(line);
    std::string number;
    std::string kind;
    std::string mode;
    std::string access;
    std::string process;
    std::string file;
    fields >> number >> kind >> mode >> access >> process >> file;
    if (kind == "FLOCK" && file == key)
      if (const auto holder = processNumber(process); holder && *holder != getpid())
        return describeProcess(*holder);
  }
  return {};
}

// Any other program: one of its open descriptors leads to the device. Processes of other users
// cannot be looked into and are passed over.
std::string descriptorHolder(const fs::path& node) {
  std::error_code error;
  for (fs::directory_iterator process("/proc", error), end; !error && process != end; process.increment(error)) {
    const auto number = processNumber(process->path().filename().string());
    if (!number || *number == getpid())
      continue;
    std::error_code unreadable;
    for (fs::directory_iterator fd(process->path() / "fd", unreadable), last; !unreadable && fd != last;
         fd.increment(unreadable)) {
      std::error_code gone;
      if (fs::read_symlink(fd->path(), gone) == node)
        return describeProcess(*number);
    }
  }
  return {};
}

} // namespace

std::string openFailureReason(const OpenFailure& failure) {
  switch (failure.error) {
  case EACCES:
  case EPERM:
    if (failure.owningGroup.empty() || failure.owningGroup == "root")
      return "Permission denied.\nAsk the administrator of this computer for access to the device.";
    return "Permission denied: the device belongs to the group \"" + failure.owningGroup +
           "\".\nAdd yourself to that group with \"sudo usermod -aG " + failure.owningGroup +
           " $USER\", then log out and in again.";
  case ENOENT:
    return "There is no such device.\n" + presentDevices(failure.present);
  case ENODEV:
  case ENXIO:
  case EIO:
    return "No serial hardware answers behind this device.\n" + presentDevices(failure.present);
  case EBUSY:
  case EWOULDBLOCK:
    return "The port is in use by another program" + (failure.holder.empty() ? "" : " (" + failure.holder + ")") +
           ".\nClose that program, or choose another port in Options.";
  default:
    return std::string(std::strerror(failure.error)) + "\nPlease check the port chosen in Options.";
  }
}

OpenFailure observeOpenFailure(const std::string& device, int error) {
  OpenFailure failure{error, {}, {}, {}};
  switch (error) {
  case EACCES:
  case EPERM:
    failure.owningGroup = owningGroup(device);
    break;
  case EBUSY:
  case EWOULDBLOCK: {
    std::error_code unresolved;
    fs::path node = fs::canonical(device, unresolved);
    if (unresolved)
      node = device;
    for (const auto holderOf : {lockFileHolder, flockHolder, descriptorHolder})
      if (failure.holder.empty())
        failure.holder = holderOf(node);
    break;
  }
  case ENOENT:
  case ENODEV:
  case ENXIO:
  case EIO:
    for (const SerialDevice& present : listSerialDevices())
      failure.present.push_back(describeSerialDevice(present));
    break;
  default:
    break;
  }
  return failure;
}

} // namespace orvane
