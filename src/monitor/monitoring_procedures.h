#pragma once

#include "acquisition/acquisition.h"
#include "link/link.h"
#include "monitor/identification.h"
#include "monitor/monitoring_session.h"
#include "monitor/platform_acquisition_events.h"
#include "monitor/status_indicators.h"
#include "monitor/trend_graph.h"
#include "monitor/trip_watch.h"
#include "monitor/ui_thread.h"
#include "state/shared_state.h"

namespace orvane {

// The procedures behind a monitoring session, wired to one another once: the
// conversation with the drive tells the window what it shows on the way, the
// graph plots from the tick's reading, and the session runs them all. Without
// a user-interface thread of its own, everything runs on the caller's.
struct MonitoringProcedures {
  MonitoringProcedures(SharedState& state, Link& link, DrawingSurface& picture1, DrawingSurface& picture3,
                       SessionLog log = SessionLog(), UiThread* ui = nullptr);
  MonitoringProcedures(const MonitoringProcedures&) = delete;
  MonitoringProcedures& operator=(const MonitoringProcedures&) = delete;

  SameThread sameThread;
  UiThread& ui;
  PlatformAcquisitionEvents events;
  Acquisition acquisition;
  Identification identification;
  StatusIndicators indicators;
  TripWatch tripWatch;
  TrendGraph graph;
  MonitoringSession session;
};

} // namespace orvane
