#pragma once

#include "fakes/drive_sim_process.h"
#include "fakes/recording_message_boxes.h"
#include "link/identification.h"
#include "link/link.h"
#include "monitor/shared_state.h"
#include "platform/posix_serial_port.h"
#include "platform/steady_clock.h"

#include <gtest/gtest.h>
#include <memory>
#include <stdlib.h>

namespace orvane::testing {

// The real port and clock on "Communications Port 1", with drive-sim at the
// other end of the pseudo-terminal. The port starts closed.
class DriveSimFixture : public ::testing::Test {
protected:
  DriveSimFixture() {
    link.setStopMonitor([this] { ++stops; });
  }

  void connect(const std::vector<std::string>& simulatorArguments) {
    simulator = std::make_unique<DriveSimProcess>(simulatorArguments);
    setenv("ORVANE_PORT1", simulator->devicePath().c_str(), 1);
  }

  std::int16_t identify() {
    std::int16_t OK = 0;
    Identification(state, link).CheckInverter(OK);
    return OK;
  }

  std::unique_ptr<DriveSimProcess> simulator;
  PosixSerialPort port;
  SteadyClock clock;
  RecordingMessageBoxes messages;
  CountingBeeper beeper;
  Platform platform{port, clock, messages, beeper};
  Link link{platform};
  SharedState state;
  int stops = 0;
};

} // namespace orvane::testing
