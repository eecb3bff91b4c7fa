#pragma once

#include "acquisition/link_worker.h"
#include "link/link.h"
#include "monitor/monitoring_procedures.h"
#include "monitor/ui/link_work.h"
#include "monitor/ui/qt_ui_thread.h"
#include "monitor/ui/trend_window.h"
#include "monitor/ui/window_registry.h"
#include "output/ui/output_commands.h"
#include "platform/desktop.h"
#include "settings/options_form.h"
#include "settings/ui/options_dialog.h"
#include "state/shared_state.h"
#include "trips/trip_history_commands.h"
#include "trips/ui/qt_trip_page_output.h"
#include "trips/ui/trip_history_dialog.h"

#include <memory>
#include <optional>

namespace orvane {

// The main window's procedures, built once the window exists, with its menu,
// button, toolbar and timer events routed to them. The link work of the
// commands and the ticks runs on one worker thread, in the order asked; the
// window goes on answering meanwhile.
class TrendCommands {
public:
  TrendCommands(SharedState& state, Link& link, TrendWindow& window, WindowRegistry& windows, TickGuard& guard,
                Desktop desktop);
  ~TrendCommands();
  TrendCommands(const TrendCommands&) = delete;
  TrendCommands& operator=(const TrendCommands&) = delete;

  TrendGraph& graph() { return procedures_.graph; }
  MonitoringSession& session() { return procedures_.session; }
  Identification& identification() { return procedures_.identification; }
  OptionsForm& options() { return options_; }

  // True while link work is queued or running, or has just ended and the
  // window does not know it yet.
  bool linkBusy() const { return worker_.busy() || commandsQueued_ > 0; }

private:
  void routeEvents(TrendWindow& window);
  static void openSessionViewerFrom(TrendWindow& window, WindowRegistry& windows);
  // Runs link work; a port that cannot be opened ends it with a message and
  // a stopped session.
  void guardPortOpen(const std::function<void()>& command);
  // Queues a command's link work (see LinkWork).
  void runLinkWork(std::function<void()> command);
  // Queues a tick unless link work is queued or running.
  void tick();
  // "Stop Monitor" and "stoptoolbar": the link work in progress is abandoned.
  void stop();

  SharedState& state_;
  Link& link_;
  TickGuard& guard_;
  LinkWorker worker_;
  QtUiThread ui_;
  int commandsQueued_ = 0;
  std::optional<LinkWork> linkWork_;
  MonitoringProcedures procedures_;
  OptionsForm options_;
  std::unique_ptr<OptionsDialog> optionsDialog_;
  QtTripHistoryView tripView_;
  QtTripPageOutput tripPages_;
  TripHistoryCommands trips_;
  OutputCommands output_;
};

} // namespace orvane
