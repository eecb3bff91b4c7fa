#pragma once

#include "fakes/recording_message_boxes.h"
#include "fakes/scripted_serial_port.h"
#include "identification/emulated_drive.h"
#include "link/link.h"
#include "monitor/shared_state.h"

#include <gtest/gtest.h>

namespace orvane::testing {

// The link to an emulated drive on a fake clock, with the shared state, the
// message boxes, the beeper and a count of "Stop Monitor" runs.
class DriveFixture : public ::testing::Test {
protected:
  DriveFixture() {
    port.open();
    link.setStopMonitor([this] { ++stops; });
  }

  bool communicationsErrorShown() const {
    return messages.shown.size() == 1 && messages.shown[0].title == "Communications Error" &&
           messages.shown[0].icon == MessageIcon::Exclamation;
  }

  FakeClock clock;
  ScriptedSerialPort port{clock};
  EmulatedDrive drive{port};
  RecordingMessageBoxes messages;
  CountingBeeper beeper;
  Platform platform{port, clock, messages, beeper};
  Link link{platform};
  SharedState state;
  int stops = 0;
};

} // namespace orvane::testing
