#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace orvane {

// A serial device present on this machine.
struct SerialDevice {
  // What to open: the stable link under <dev>/serial/by-id/ when there is one, else the node.
  std::string path;
  // The terminal node behind it, e.g. /dev/ttyUSB0.
  std::string node;
  // The USB adapter's maker and model as the system reports them; empty for a built-in port.
  std::string maker;
  std::string model;
  bool usbAdapter = false;
};

// The serial devices present, USB adapters first (by-id order, then adapters udev gave no by-id
// link), then built-in ports with a UART behind them (ttyS0, ttyS1, … in number order). The roots
// are parameters so that a fake tree can stand in for the machine's. Never throws: whatever cannot
// be read is left out.
std::vector<SerialDevice> listSerialDevices(const std::filesystem::path& sysRoot = "/sys",
                                            const std::filesystem::path& devRoot = "/dev");

// True for a port slot the kernel keeps with no UART behind it (a ttyS of port type 0): it opens,
// but nothing it sends ever reaches a line.
bool isPortWithoutUart(const std::string& node, const std::filesystem::path& sysRoot = "/sys");

// "Maker Model (/dev/ttyUSB0)" for an adapter, "built-in serial port (/dev/ttyS0)" for the rest.
std::string describeSerialDevice(const SerialDevice& device);

} // namespace orvane
