#pragma once

#include "link/link.h"
#include "monitor/identification.h"
#include "monitor/lcd_screen.h"
#include "monitor/live_values.h"
#include "monitor/monitoring_session.h"
#include "monitor/status_indicators.h"
#include "monitor/trend_graph.h"
#include "monitor/trip_watch.h"
#include "state/shared_state.h"

namespace orvane {

// The procedures behind a monitoring session, wired to one another once: the
// graph samples through the live-value reads and the direction indicator, the
// trip watch reads the drive's display, and the session runs them all.
struct MonitoringProcedures {
  MonitoringProcedures(SharedState& state, Link& link, DrawingSurface& picture1, DrawingSurface& picture3,
                       SessionLog log = SessionLog());
  MonitoringProcedures(const MonitoringProcedures&) = delete;
  MonitoringProcedures& operator=(const MonitoringProcedures&) = delete;

  Identification identification;
  LiveValues liveValues;
  LcdScreen screen;
  StatusIndicators indicators;
  TripWatch tripWatch;
  TrendGraph graph;
  MonitoringSession session;
};

} // namespace orvane
