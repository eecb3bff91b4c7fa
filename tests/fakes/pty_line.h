#pragma once

#include "fakes/recording_message_boxes.h"
#include "link/link.h"
#include "platform/posix_serial_port.h"
#include "platform/steady_clock.h"

namespace orvane::testing {

// One link to the drive over the real serial port and clock, with message
// boxes and a beeper that record what the user would see and hear.
struct PtyLine {
  PosixSerialPort port;
  SteadyClock clock;
  RecordingMessageBoxes messages;
  CountingBeeper beeper;
  Platform platform{port, clock, messages, beeper};
  Link link{platform};
};

} // namespace orvane::testing
