#pragma once

#include "platform/clock.h"
#include "state/shared_state.h"

namespace orvane {

// How long the splash stays up: just over this.
inline constexpr Clock::Duration kSplashTime = std::chrono::seconds(3);

// Blocks, without processing any event, until strictly more than `span` has
// passed on the clock.
void waitMoreThan(Clock& clock, Clock::Duration span);

// The start-up steps after the splash: no model is known yet, the panels of
// the main window appear and input terminal 6 stays hidden until a model that
// has it is in use.
void prepareTrendPanels(SharedState& state);

} // namespace orvane
