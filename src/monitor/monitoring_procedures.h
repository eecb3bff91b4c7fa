#pragma once

#include "link/identification.h"
#include "link/lcd_screen.h"
#include "link/link.h"
#include "link/live_values.h"
#include "link/status_indicators.h"
#include "link/trip_watch.h"
#include "monitor/monitoring_session.h"
#include "monitor/shared_state.h"
#include "monitor/trend_graph.h"

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
