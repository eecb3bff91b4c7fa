#pragma once

#include "link/link.h"
#include "monitor/monitoring_procedures.h"
#include "monitor/ui/link_work.h"
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
// button, toolbar and timer events routed to them.
class TrendCommands {
public:
  TrendCommands(SharedState& state, Link& link, TrendWindow& window, WindowRegistry& windows, TickGuard& guard,
                Desktop desktop);

  TrendGraph& graph() { return procedures_.graph; }
  MonitoringSession& session() { return procedures_.session; }
  Identification& identification() { return procedures_.identification; }
  OptionsForm& options() { return options_; }

private:
  // The trip history window follows the read's link work, so sampling goes
  // on while the user reads it.
  class WindowAfterLinkWork final : public TripHistoryView {
  public:
    WindowAfterLinkWork(TripHistoryView& view, std::optional<LinkWork>& work) : view_(view), work_(work) {}
    void showModal(const TripHistoryForm& window, const std::function<void()>& print) override {
      work_.reset();
      view_.showModal(window, print);
    }

  private:
    TripHistoryView& view_;
    std::optional<LinkWork>& work_;
  };

  void routeEvents(TrendWindow& window);
  void openSessionViewerFrom(TrendWindow& window, WindowRegistry& windows);
  void guardPortOpen(const std::function<void()>& command);
  // Runs a command that blocks the window on the link (see LinkWork).
  void runLinkWork(const std::function<void()>& command);

  SharedState& state_;
  Link& link_;
  TickGuard& guard_;
  std::optional<LinkWork> linkWork_;
  MonitoringProcedures procedures_;
  OptionsForm options_;
  std::unique_ptr<OptionsDialog> optionsDialog_;
  QtTripHistoryView tripView_;
  WindowAfterLinkWork tripWindow_;
  QtTripPageOutput tripPages_;
  TripHistoryCommands trips_;
  OutputCommands output_;
};

} // namespace orvane
