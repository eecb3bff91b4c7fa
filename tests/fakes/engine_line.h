#pragma once

#include "engine/protocol_engine.h"
#include "engine/scenario_json.h"
#include "fakes/fake_line.h"

#include <memory>

namespace orvane::testing {

// One memory read as it went over the wire.
struct WireRead {
  std::uint16_t address;
  int length;
  bool operator==(const WireRead&) const = default;
};

// The memory reads among the frames a host sent.
inline std::vector<WireRead> memoryReads(const std::vector<Bytes>& sends) {
  const Bytes readCommand{0x01, 0x05, 0x03, 0x00, 0x06};
  std::vector<WireRead> reads;
  for (std::size_t at = 0; at + 1 < sends.size(); ++at)
    if (sends[at] == readCommand && sends[at + 1].size() == 5)
      reads.push_back({static_cast<std::uint16_t>(sends[at + 1][3] << 8 | sends[at + 1][2]), sends[at + 1][1]});
  return reads;
}

// The fakes of one link with the simulated drive at the far end, in-process:
// every send goes into the engine at the fake clock's time and its replies
// come back with their delays.
struct EngineLine : FakeLine {
  // The drive answers from now on; an earlier one is unplugged and the sends
  // so far are forgotten.
  void connect(sim::Scenario scenario, sim::EngineOptions options = {}) {
    engine = std::make_unique<sim::ProtocolEngine>(sim::Drive(std::move(scenario)), options);
    port.setResponder([this, start = clock.now()](const Bytes& sent) {
      std::vector<ScriptedSerialPort::Reply> replies;
      for (sim::Reply& reply : engine->feed(sent, clock.now() - start))
        replies.push_back({std::move(reply.bytes), reply.delay});
      return replies;
    });
    port.sends.clear();
  }
  void connect(const std::string& scenarioJson, sim::EngineOptions options = {}) {
    connect(sim::parseScenario(scenarioJson), options);
  }

  std::unique_ptr<sim::ProtocolEngine> engine;
};

// A drive of `model` whose history has `counter` trips, the newest in the area
// that `index` names, and raw memory bytes laid over its registers.
inline sim::Scenario driveOf(sim::Model model, int counter = 0, int index = 0,
                             std::map<std::uint16_t, sim::Bytes> memory = {}) {
  sim::Scenario scenario;
  scenario.model = model;
  scenario.historyCounter = counter;
  scenario.historyIndex = index;
  scenario.memory = std::move(memory);
  return scenario;
}

// A scenario shipped with the simulator: "mk410", "profi", "demo", ...
inline sim::Scenario shippedScenario(const std::string& name) {
  return sim::loadScenario(std::string(ORVANE_SOURCE_DIR) + "/tools/drive-sim/scenarios/" + name + ".json");
}

} // namespace orvane::testing
