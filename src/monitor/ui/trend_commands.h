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
#include "monitor/ui/trend_window.h"
#include "monitor/ui/window_registry.h"
#include "output/ui/output_commands.h"
#include "platform/desktop.h"

namespace orvane {

// The main window's procedures, built once the window exists, with its menu,
// button, toolbar and timer events routed to them.
class TrendCommands {
public:
  TrendCommands(SharedState& state, Link& link, TrendWindow& window, WindowRegistry& windows, TickGuard& guard,
                Desktop desktop);

  TrendGraph& graph() { return graph_; }
  MonitoringSession& session() { return session_; }
  Identification& identification() { return identification_; }

private:
  void routeEvents(TrendWindow& window);
  void guardPortOpen(const std::function<void()>& command);

  SharedState& state_;
  Link& link_;
  Identification identification_;
  LiveValues liveValues_;
  LcdScreen screen_;
  StatusIndicators indicators_;
  TripWatch tripWatch_;
  TrendGraph graph_;
  MonitoringSession session_;
  OutputCommands output_;
};

} // namespace orvane
