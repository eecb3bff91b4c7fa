#pragma once

#include "fakes/drive_sim_process.h"
#include "fakes/recording_message_boxes.h"
#include "link/link.h"
#include "platform/posix_serial_port.h"
#include "platform/steady_clock.h"

#include <stdlib.h>

namespace orvane::testing {

// The real port and clock on "Communications Port 1", with drive-sim started
// with `arguments` at the other end of a pseudo-terminal. The port starts
// closed; failed reads count the "Stop Monitor" runs.
struct DriveSimLine {
  explicit DriveSimLine(const std::vector<std::string>& arguments) : simulator(arguments) {
    setenv("ORVANE_PORT1", simulator.devicePath().c_str(), 1);
    link.setStopMonitor([this] { ++stops; });
  }

  DriveSimProcess simulator;
  PosixSerialPort port;
  SteadyClock clock;
  RecordingMessageBoxes messages;
  CountingBeeper beeper;
  Platform platform{port, clock, messages, beeper};
  Link link{platform};
  int stops = 0;
};

} // namespace orvane::testing
