#pragma once

#include "engine/protocol_engine.h"
#include "engine/scenario.h"

#include <chrono>
#include <string>

namespace orvane::sim::testing {

// The host's side of the link, played straight into a protocol engine: the
// frames of each exchange go in one after another, as the program sends them.
class Host {
public:
  explicit Host(ProtocolEngine& engine) : engine_(engine) {}

  // Scenario time of the next bytes.
  void at(double seconds) {
    now_ = std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::duration<double>(seconds));
  }
  // Sends bytes and returns every reply byte, joined.
  Bytes send(const Bytes& bytes);
  // The reply to the acknowledge of one exchange.
  Bytes exchange(std::uint8_t command, const Bytes& payload);
  // The value bytes B1..Bn of a memory read.
  Bytes read(std::uint16_t address, int count);
  // Characters 2 to 17 of the display text reply.
  std::string displayText();
  void panelWrite(std::uint16_t value, std::uint8_t command = 0x09);

  static Bytes commandFrame(std::uint8_t command, std::size_t payloadLength);
  static Bytes dataFrame(const Bytes& payload);

private:
  ProtocolEngine& engine_;
  std::chrono::nanoseconds now_{};
};

Scenario scenarioFor(Model model);

} // namespace orvane::sim::testing
