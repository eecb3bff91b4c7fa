#pragma once

#include "acquisition/acquisition.h"
#include "link/link.h"
#include "monitor/ui_thread.h"
#include "state/shared_state.h"

#include <cstdint>
#include <functional>

namespace orvane {

// Finds out which drive model is connected and leaves it in the shared state.
// Runs where the link work runs; the state is changed on the user-interface
// thread.
class Identification {
public:
  // `stopSession` is "Stop Monitor", run on the user-interface thread.
  Identification(SharedState& state, Link& link, Acquisition& acquisition, UiThread& ui,
                 std::function<void()> stopSession)
      : state_(state), link_(link), acquisition_(acquisition), ui_(ui), stopSession_(std::move(stopSession)) {}

  // Leaves the model name, or "Unknown", in `newinverter` and resets
  // `startcancelled`. A failed exchange sets OK to 1: a model-code read
  // without an answer shows the communications message and runs "Stop
  // Monitor"; a silent panel has only beeped. Abandoned, it sets OK to 1 and
  // shows nothing. Throws PortOpenError.
  void CheckInverter(std::int16_t& OK);

private:
  SharedState& state_;
  Link& link_;
  Acquisition& acquisition_;
  UiThread& ui_;
  std::function<void()> stopSession_;
};

} // namespace orvane
