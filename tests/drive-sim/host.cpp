#include "host.h"

namespace orvane::sim::testing {

Bytes Host::send(const Bytes& bytes) {
  Bytes joined;
  for (const Reply& reply : engine_.feed(bytes, now_))
    joined.insert(joined.end(), reply.bytes.begin(), reply.bytes.end());
  return joined;
}

Bytes Host::exchange(std::uint8_t command, const Bytes& payload) {
  send(commandFrame(command, payload.size()));
  send(dataFrame(payload));
  return send({0x06});
}

Bytes Host::read(std::uint16_t address, int count) {
  const Bytes reply = exchange(0x05, {static_cast<std::uint8_t>(count), static_cast<std::uint8_t>(address & 0xFF),
                                      static_cast<std::uint8_t>(address >> 8)});
  if (reply.size() != static_cast<std::size_t>(count) + 2)
    return {};
  return Bytes(reply.begin() + 1, reply.end() - 1);
}

std::string Host::displayText() {
  const Bytes reply = exchange(0x0A, {0x11, 0x00, 0x00});
  return reply.size() < 17 ? std::string() : std::string(reply.begin() + 1, reply.begin() + 17);
}

void Host::panelWrite(std::uint16_t value, std::uint8_t command) {
  exchange(command, {0x02, 0x00, 0x00, static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value)});
}

Bytes Host::commandFrame(std::uint8_t command, std::size_t payloadLength) {
  const auto low = static_cast<std::uint8_t>(payloadLength & 0xFF);
  const auto high = static_cast<std::uint8_t>(payloadLength >> 8);
  return {0x01, command, low, high, static_cast<std::uint8_t>(command ^ low ^ high)};
}

Bytes Host::dataFrame(const Bytes& payload) {
  Bytes frame{0x02};
  frame.insert(frame.end(), payload.begin(), payload.end());
  frame.push_back(xorOf(payload));
  return frame;
}

Scenario scenarioFor(Model model) {
  Scenario scenario;
  scenario.model = model;
  return scenario;
}

} // namespace orvane::sim::testing
