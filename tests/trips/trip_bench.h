#pragma once

#include "drive-sim/engine_responder.h"
#include "engine/scenario_json.h"
#include "link/link.h"
#include "monitor/identification.h"
#include "state/shared_state.h"
#include "trips/trip_fakes.h"
#include "trips/trip_history_commands.h"

namespace orvane::testing {

// The trip history commands against the simulated drive, in-process on a
// fake clock, with the messages, the windows and the "Stop Monitor" runs
// recorded.
class TripBench : public EngineLine {
public:
  // Every memory read sent since the drive was connected, the model-code
  // read of the identification left out.
  std::vector<WireRead> historyReads() const {
    std::vector<WireRead> reads = memoryReads(port.sends);
    std::erase(reads, WireRead{0x03F4, 1});
    return reads;
  }

  const TripHistoryForm& shownWindow() const { return view.shown.at(0); }

  SharedState state;
  Identification identification{state, link};
  RecordingTripView view;
  RecordingPageOutput pages;
  ScriptedSaveDialog saveDialog;
  TripHistoryCommands trips{state, link, identification, messages, {view, pages, saveDialog}};
};

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
