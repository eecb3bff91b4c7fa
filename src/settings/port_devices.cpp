#include "settings/port_devices.h"

#include "platform/device_choice.h"
#include "platform/open_failure.h"

#include <cerrno>
#include <filesystem>
#include <unistd.h>

namespace orvane {
namespace {

constexpr std::array<const char*, 2> kCombos{"port1devicecombo", "port2devicecombo"};

// "Port 1: Maker Model (/dev/ttyUSB0)", "Port 2: /dev/ttyUSB3 (not present)", …
std::string note(int number, const std::string& device, const std::vector<SerialDevice>& present) {
  const std::string port = "Port " + std::to_string(number) + ": ";
  if (!environmentDevice(number).empty())
    return port + device + " (set by " + portVariable(number) + ")";
  if (device.empty())
    return port + "automatic (the " + (number == 1 ? "first" : "second") + " USB adapter present, else /dev/ttyS" +
           std::to_string(number - 1) + ")";
  for (const SerialDevice& candidate : present)
    if (candidate.path == device || candidate.node == device)
      return port + describeSerialDevice(candidate);
  std::error_code missing;
  const std::string node = std::filesystem::canonical(device, missing);
  if (missing)
    return port + device + " (not present)";
  if (isPortWithoutUart(node))
    return port + device + " (no serial hardware behind it)";
  return port + device + (node == device ? "" : " (" + node + ")");
}

} // namespace

void PortDevices::refresh() {
  present_ = listSerialDevices();
  const StoredDevices stored = readStoredDevices(devicesFilePath());
  for (int number = 1; number <= 2; ++number) {
    const std::string environment = environmentDevice(number);
    applied_[number - 1] = chooseDevice(number, environment, stored, present_);
    options_.setCaption(kCombos[number - 1], applied_[number - 1]);
    options_.setEnabled(kCombos[number - 1], environment.empty());
  }
  showNote();
}

std::string PortDevices::shownDevice(int number) const {
  const std::string& caption = options_.caption(kCombos[number - 1]);
  const auto first = caption.find_first_not_of(" \t");
  return first == std::string::npos ? "" : caption.substr(first, caption.find_last_not_of(" \t") - first + 1);
}

bool PortDevices::edited(int number) {
  showNote();
  return shownDevice(number) != applied_[number - 1];
}

void PortDevices::applyEdits() {
  StoredDevices stored = readStoredDevices(devicesFilePath());
  bool changed = false;
  for (int number = 1; number <= 2; ++number) {
    const std::string device = shownDevice(number);
    if (device == applied_[number - 1])
      continue;
    stored[number - 1] = device;
    changed = true;
  }
  if (!changed)
    return;
  writeStoredDevices(devicesFilePath(), stored);
  refresh();
}

// Told before the first start: a chosen device this user may not open, and how to get access.
std::string PortDevices::accessAdvice() const {
  for (int number = 1; number <= 2; ++number) {
    const std::string device = shownDevice(number);
    if (!device.empty() && access(device.c_str(), R_OK | W_OK) != 0 && (errno == EACCES || errno == EPERM))
      return "\n\nPort " + std::to_string(number) + ": " + openFailureReason(observeOpenFailure(device, EACCES));
  }
  return {};
}

void PortDevices::showNote() {
  options_.setCaption("devicenotelabel", note(1, shownDevice(1), present_) + "\n" +
                                             note(2, shownDevice(2), present_) + accessAdvice());
}

} // namespace orvane
