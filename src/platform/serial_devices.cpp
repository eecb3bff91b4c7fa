#include "platform/serial_devices.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <optional>
#include <set>
#include <tuple>

namespace orvane {
namespace {

namespace fs = std::filesystem;

std::string firstLine(const fs::path& file) {
  std::ifstream in(file);
  std::string line;
  std::getline(in, line);
  line.erase(line.find_last_not_of(" \t\r\n") + 1);
  return line;
}

// ttyS2 before ttyS10: names compare by their letters, then by their number.
bool naturalLess(const std::string& left, const std::string& right) {
  const auto key = [](const std::string& name) {
    const std::size_t digits = name.find_last_not_of("0123456789") + 1;
    unsigned long number = 0;
    std::from_chars(name.data() + digits, name.data() + name.size(), number);
    return std::tuple(name.substr(0, digits), number, name);
  };
  return key(left) < key(right);
}

std::vector<fs::path> entriesOf(const fs::path& folder) {
  std::vector<fs::path> entries;
  std::error_code error;
  for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error))
    entries.push_back(entry->path());
  std::sort(entries.begin(), entries.end(), [](const fs::path& left, const fs::path& right) {
    return naturalLess(left.filename(), right.filename());
  });
  return entries;
}

// The USB device a terminal belongs to: the nearest folder above the terminal's device that
// carries a vendor id. A built-in port has none on its way up.
std::optional<fs::path> usbDeviceOf(const fs::path& ttyEntry) {
  std::error_code error;
  fs::path folder = fs::canonical(ttyEntry / "device", error);
  if (error)
    return std::nullopt;
  for (; folder.has_relative_path(); folder = folder.parent_path())
    if (fs::exists(folder / "idVendor", error))
      return folder;
  return std::nullopt;
}

// The serial core's port type of a terminal: every 8250-style slot the kernel sets up has a
// device, but a type other than 0 (unknown) only when a UART was found behind it.
std::optional<int> portType(const fs::path& ttyEntry) {
  std::error_code error;
  if (!fs::exists(ttyEntry / "device", error))
    return std::nullopt;
  const std::string type = firstLine(ttyEntry / "type");
  int number = 0;
  const auto [end, failure] = std::from_chars(type.data(), type.data() + type.size(), number);
  if (failure != std::errc() || end != type.data() + type.size() || type.empty())
    return std::nullopt;
  return number;
}

bool hasUart(const fs::path& ttyEntry) { return portType(ttyEntry).value_or(0) != 0; }

SerialDevice adapter(std::string path, std::string node, const fs::path& ttyEntry) {
  SerialDevice device{std::move(path), std::move(node), {}, {}, true};
  if (const auto usb = usbDeviceOf(ttyEntry)) {
    device.maker = firstLine(*usb / "manufacturer");
    device.model = firstLine(*usb / "product");
  }
  return device;
}

} // namespace

std::vector<SerialDevice> listSerialDevices(const fs::path& sysRoot, const fs::path& devRoot) {
  const fs::path ttys = sysRoot / "class" / "tty";
  std::vector<SerialDevice> devices;
  std::set<std::string> linked;
  for (const fs::path& link : entriesOf(devRoot / "serial" / "by-id")) {
    std::error_code error;
    const fs::path target = fs::read_symlink(link, error);
    if (error)
      continue;
    const fs::path node = (link.parent_path() / target).lexically_normal();
    linked.insert(node.filename());
    devices.push_back(adapter(link, node, ttys / node.filename()));
  }
  std::vector<SerialDevice> builtIn;
  for (const fs::path& entry : entriesOf(ttys)) {
    const std::string name = entry.filename();
    const std::string node = devRoot / name;
    if (linked.contains(name))
      continue;
    if (usbDeviceOf(entry))
      devices.push_back(adapter(node, node, entry));
    else if (hasUart(entry))
      builtIn.push_back({node, node, {}, {}, false});
  }
  devices.insert(devices.end(), builtIn.begin(), builtIn.end());
  return devices;
}

bool isPortWithoutUart(const std::string& node, const fs::path& sysRoot) {
  return portType(sysRoot / "class" / "tty" / fs::path(node).filename()) == 0;
}

std::string describeSerialDevice(const SerialDevice& device) {
  if (!device.usbAdapter)
    return "built-in serial port (" + device.node + ")";
  std::string name = device.maker;
  if (!device.model.empty())
    name += (name.empty() ? "" : " ") + device.model;
  return (name.empty() ? "USB serial adapter" : name) + " (" + device.node + ")";
}

} // namespace orvane
