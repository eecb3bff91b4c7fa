#pragma once

#include "app/wire_log.h"
#include "engine/paced_output.h"
#include "engine/protocol_engine.h"

namespace orvane::sim {

// Holds SIGINT and SIGTERM back so that the loop can take them as events;
// called first thing, before anything needs cleaning up.
void holdStopSignals();

// Serves the engine on the pseudo-terminal's master side until SIGINT or
// SIGTERM: reads the host's bytes, feeds them to the engine and sends the
// replies when they fall due. Sleeps on the descriptors between events.
// Returns the exit code.
int runSimulator(int master, ProtocolEngine& engine, PacedOutput& output, WireLog* log);

} // namespace orvane::sim
