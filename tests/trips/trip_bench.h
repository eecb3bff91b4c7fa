#pragma once

#include "drive-sim/engine_responder.h"
#include "engine/scenario_json.h"
#include "fakes/fake_line.h"
#include "link/identification.h"
#include "link/link.h"
#include "monitor/shared_state.h"
#include "trips/trip_fakes.h"
#include "trips/trip_history_commands.h"

#include <memory>
#include <ostream>

namespace orvane::testing {

// One memory read as it went over the wire.
struct WireRead {
  std::uint16_t address;
  int length;
  bool operator==(const WireRead&) const = default;
};

inline void PrintTo(const WireRead& read, std::ostream* out) {
  *out << std::hex << std::uppercase << "0x" << read.address << std::dec << "/" << read.length;
}

// The trip history commands against the simulated drive, in-process on a
// fake clock, with the messages, the windows and the "Stop Monitor" runs
// recorded.
class TripBench : public FakeLine {
public:
  TripBench() {
    link.setStopMonitor([this] { ++stops; });
  }

  // The drive answers from now on; an earlier one is unplugged.
  void connect(sim::Scenario scenario, sim::EngineOptions options = {}) {
    engine = std::make_unique<sim::ProtocolEngine>(sim::Drive(std::move(scenario)), options);
    port.setResponder(engineResponder(*engine, clock));
    port.sends.clear();
  }

  // Every memory read sent since the drive was connected, the model-code
  // read of the identification left out.
  std::vector<WireRead> historyReads() const;

  const TripHistoryForm& shownWindow() const { return view.shown.at(0); }

  SharedState state;
  Identification identification{state, link};
  RecordingTripView view;
  RecordingPageOutput pages;
  ScriptedSaveDialog saveDialog;
  TripHistoryCommands trips{state, link, identification, messages, {view, pages, saveDialog}};
  std::unique_ptr<sim::ProtocolEngine> engine;
  int stops = 0;
};

inline std::vector<WireRead> TripBench::historyReads() const {
  const Bytes readCommand = commandFrame(command::kReadMemory, 3);
  std::vector<WireRead> reads;
  for (std::size_t at = 0; at + 1 < port.sends.size(); ++at) {
    if (port.sends[at] != readCommand)
      continue;
    const Bytes& data = port.sends[at + 1];
    const WireRead read{static_cast<std::uint16_t>(data[3] << 8 | data[2]), data[1]};
    if (read.address != 0x03F4)
      reads.push_back(read);
  }
  return reads;
}

// A drive of `model` whose history has `counter` trips, the newest in the
// area that `index` names.
inline sim::Scenario driveWithHistory(sim::Model model, int counter, int index) {
  sim::Scenario scenario;
  scenario.model = model;
  scenario.historyCounter = counter;
  scenario.historyIndex = index;
  return scenario;
}

// A trip's five value captions, in the window's order.
inline std::vector<std::string> captions(const TripCaptions& trip) {
  return {trip.tripcode, trip.triphz, trip.tripamps, trip.tripvolts, trip.triptime};
}

// A scenario shipped with the simulator: "mk410", "profi", ...
inline sim::Scenario shippedScenario(const std::string& name) {
  return sim::loadScenario(std::string(ORVANE_SOURCE_DIR) + "/tools/drive-sim/scenarios/" + name + ".json");
}

} // namespace orvane::testing
