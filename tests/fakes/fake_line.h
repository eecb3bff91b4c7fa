#pragma once

#include "fakes/recording_message_boxes.h"
#include "fakes/scripted_serial_port.h"
#include "link/link.h"

namespace orvane::testing {

// The fakes behind one link to the drive: a scripted port on a fake clock,
// and message boxes and a beeper that record what the user would see and hear.
struct FakeLine {
  FakeClock clock;
  ScriptedSerialPort port{clock};
  RecordingMessageBoxes messages;
  CountingBeeper beeper;
  Platform platform{port, clock, messages, beeper};
  Link link{platform};
};

} // namespace orvane::testing
