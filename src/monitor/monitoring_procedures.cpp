#include "monitor/monitoring_procedures.h"

#include <utility>

namespace orvane {

MonitoringProcedures::MonitoringProcedures(SharedState& state, Link& link, DrawingSurface& picture1,
                                           DrawingSurface& picture3, SessionLog log)
    : identification(state, link), liveValues(state, link), screen(state, link), indicators(state, link),
      tripWatch(state, link, screen), graph(state, picture1, picture3, link.platform().messages,
                                            TraceReads{[this](std::int16_t& OK) { liveValues.GetSpeed(OK); },
                                                       [this](std::int16_t& OK) { liveValues.GetAmps(OK); },
                                                       [this](std::int16_t& OK) { liveValues.GetDCVolts(OK); },
                                                       [this](std::int16_t& OK) { indicators.Direction(OK); }}),
      session(state, link, MonitoringSession::Procedures{identification, liveValues, indicators, tripWatch, graph},
              std::move(log)) {}

} // namespace orvane
