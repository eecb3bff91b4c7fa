#pragma once

#include "platform/serial_devices.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// The devices chosen for "Communications Port 1" and "2" in Options, as kept in devices.conf
// next to ta.ini; an empty entry means none is stored.
using StoredDevices = std::array<std::string, 2>;

// <config folder>/devices.conf.
std::string devicesFilePath();

// Reads "port1=PATH" and "port2=PATH" lines; blanks around key and value are dropped, other
// lines are ignored, the last line for a port counts. A missing, unreadable or damaged file (a
// NUL byte, or larger than any sound file) stores nothing. Never throws.
StoredDevices readStoredDevices(const std::string& path);

// Rewrites the file with one line for each stored device. Creates the folder when it is missing.
// Throws std::system_error carrying the errno.
void writeStoredDevices(const std::string& path, const StoredDevices& devices);

// The variable that overrides the device of port `number`: ORVANE_PORT1 or ORVANE_PORT2.
const char* portVariable(int number);
// That variable's value, empty when it is not set.
std::string environmentDevice(int number);

// The device port `number` (1 or 2) opens: the environment's when given, else the stored one,
// else the first (port 1) or second (port 2) USB adapter present, else /dev/ttyS0 or /dev/ttyS1.
std::string chooseDevice(int number, std::string_view environment, const StoredDevices& stored,
                         const std::vector<SerialDevice>& present);

// chooseDevice over this machine: the process environment, devices.conf and the devices present.
std::string serialDeviceForPort(int number);

} // namespace orvane
