#pragma once

#include "engine/paced_output.h"
#include "engine/protocol_engine.h"
#include "fakes/fake_clock.h"
#include "fakes/scripted_serial_port.h"

#include <memory>

namespace orvane::testing {

// Lets the simulated drive answer a ScriptedSerialPort in-process: every send
// goes into the engine at the fake clock's time (counted from now), and its
// replies come back with their delays. With a line speed, each reply also
// takes its wire time, as drive-sim --baud paces it.
//
//   sim::ProtocolEngine engine(sim::Drive(scenario));
//   port.setResponder(engineResponder(engine, clock));
inline ScriptedSerialPort::Responder engineResponder(sim::ProtocolEngine& engine, FakeClock& clock, int baud = 0) {
  const Clock::Duration start = clock.now();
  auto line = std::make_shared<sim::PacedOutput>(baud);
  return [&engine, &clock, start, line](const Bytes& sent) {
    const Clock::Duration now = clock.now() - start;
    std::vector<ScriptedSerialPort::Reply> replies;
    for (const sim::Reply& reply : engine.feed(sent, now)) {
      const Clock::Duration done = line->enqueue(reply.bytes, now + reply.delay);
      line->takeDue(done);
      replies.push_back({reply.bytes, done - now});
    }
    return replies;
  };
}

} // namespace orvane::testing
