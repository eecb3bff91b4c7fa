#pragma once

#include "platform/serial_devices.h"
#include "state/control_model.h"

#include <array>
#include <string>
#include <vector>

namespace orvane {

// The device each port opens, as the Options dialog shows it and lets the user change it: the
// combo boxes `port1devicecombo` and `port2devicecombo` hold the path, `devicenotelabel` says
// what each one is and, for a device this user may not open, how to get access. A device set by
// ORVANE_PORT1 / ORVANE_PORT2 is shown, but cannot be changed.
class PortDevices {
public:
  explicit PortDevices(ControlModel& options) : options_(options) {}

  // Lists the devices present and shows the device each port opens now.
  void refresh();
  const std::vector<SerialDevice>& present() const { return present_; }

  // After the user changed the device of port `number`: true when it differs from the one applied.
  bool edited(int number);
  // Stores the changed devices in devices.conf; an emptied one is forgotten, so the port goes back
  // to the automatic choice. Throws std::system_error when the file cannot be written.
  void applyEdits();

private:
  std::string shownDevice(int number) const;
  std::string accessAdvice() const;
  void showNote();

  ControlModel& options_;
  std::vector<SerialDevice> present_;
  std::array<std::string, 2> applied_;
};

} // namespace orvane
