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
#include "settings/options_form.h"
#include "settings/ui/options_dialog.h"
#include "trips/trip_history_commands.h"
#include "trips/ui/qt_save_file_dialog.h"
#include "trips/ui/qt_trip_page_output.h"
#include "trips/ui/trip_history_dialog.h"

#include <memory>

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
  OptionsForm& options() { return options_; }

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
  OptionsForm options_;
  std::unique_ptr<OptionsDialog> optionsDialog_;
  QtTripHistoryView tripView_;
  QtTripPageOutput tripPages_;
  QtSaveFileDialog tripSaveDialog_;
  TripHistoryCommands trips_;
  OutputCommands output_;
};

} // namespace orvane
