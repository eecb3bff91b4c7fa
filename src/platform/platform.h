#pragma once

#include "platform/beeper.h"
#include "platform/clock.h"
#include "platform/message_boxes.h"
#include "platform/serial_port.h"

namespace orvane {

// The platform services the logic talks through; the program hands in the
// real ones, the tests hand in fakes.
struct Platform {
  SerialPort& port;
  Clock& clock;
  MessageBoxes& messages;
  Beeper& beeper;
};

} // namespace orvane
