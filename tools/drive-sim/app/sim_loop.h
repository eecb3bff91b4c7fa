#pragma once

#include "app/pseudo_terminal.h"
#include "app/wire_log.h"
#include "engine/paced_output.h"
#include "engine/protocol_engine.h"

namespace orvane::sim {

// Holds SIGINT and SIGTERM back so that the loop can take them as events;
// called first thing, before anything needs cleaning up.
void holdStopSignals();

// Serves the engine on the pseudo-terminal's master side until SIGINT or
// SIGTERM: reads the host's bytes, feeds them to the engine and sends the
// replies when they fall due. A request left unfinished when the host closes
// the line or falls quiet for a second is dropped (and logged as cut).
// Sleeps on the descriptors between events. Returns the exit code.
int runSimulator(const PseudoTerminal& terminal, ProtocolEngine& engine, PacedOutput& output, WireLog* log);

} // namespace orvane::sim
