#include "platform/device_choice.h"

#include "platform/config_folder.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace orvane {
namespace {

// Two paths and a few blank lines; anything bigger was never written by us.
constexpr std::size_t kLargestFile = 8192;

std::string_view trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos)
    return {};
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::system_error writeFailure(int error, const std::string& path) {
  return std::system_error(error, std::generic_category(),
                           "The device choice file " + path + " could not be written");
}

} // namespace

std::string devicesFilePath() { return configFolder() + "/devices.conf"; }

StoredDevices readStoredDevices(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::string text(kLargestFile + 1, '\0');
  file.read(text.data(), static_cast<std::streamsize>(text.size()));
  StoredDevices devices;
  if (file) // larger than any file we write
    return devices;
  text.resize(static_cast<std::size_t>(file.gcount()));
  if (text.find('\0') != std::string::npos)
    return devices;
  std::string_view rest = text;
  while (!rest.empty()) {
    const std::size_t end = std::min(rest.find('\n'), rest.size());
    const std::string_view line = rest.substr(0, end);
    rest.remove_prefix(std::min(end + 1, rest.size()));
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos)
      continue;
    const std::string_view key = trimmed(line.substr(0, equals));
    const std::string_view value = trimmed(line.substr(equals + 1));
    if ((key == "port1" || key == "port2") && !value.empty())
      devices[key == "port1" ? 0 : 1] = value;
  }
  return devices;
}

void writeStoredDevices(const std::string& path, const StoredDevices& devices) {
  std::error_code error;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
  if (error)
    throw writeFailure(error.value(), path);
  std::string text;
  for (std::size_t port = 0; port < devices.size(); ++port)
    if (!devices[port].empty())
      text += "port" + std::to_string(port + 1) + "=" + devices[port] + "\n";
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr)
    throw writeFailure(errno, path);
  const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
  const int writeError = errno;
  if (std::fclose(file) != 0 || !written)
    throw writeFailure(written ? errno : writeError, path);
}

const char* portVariable(int number) { return number == 2 ? "ORVANE_PORT2" : "ORVANE_PORT1"; }

std::string environmentDevice(int number) {
  const char* device = std::getenv(portVariable(number));
  return device != nullptr ? device : "";
}

std::string chooseDevice(int number, std::string_view environment, const StoredDevices& stored,
                         const std::vector<SerialDevice>& present) {
  const std::size_t index = number == 2 ? 1 : 0;
  if (!environment.empty())
    return std::string(environment);
  if (!stored[index].empty())
    return stored[index];
  std::size_t adapters = 0;
  for (const SerialDevice& device : present)
    if (device.usbAdapter && adapters++ == index)
      return device.path;
  return index == 1 ? "/dev/ttyS1" : "/dev/ttyS0";
}

std::string serialDeviceForPort(int number) {
  return chooseDevice(number, environmentDevice(number), readStoredDevices(devicesFilePath()),
                      listSerialDevices());
}

} // namespace orvane
