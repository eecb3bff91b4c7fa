#pragma once

#include "app/trend_commands.h"
#include "link/link.h"
#include "live_limits/window_limits.h"
#include "live_publish/window_publishing.h"
#include "monitor/tick_guard.h"
#include "monitor/ui/trend_window.h"
#include "monitor/ui/window_registry.h"
#include "platform/desktop.h"
#include "state/shared_state.h"

#include <deque>
#include <functional>
#include <memory>

namespace orvane {

// Everything the running program shares: the shared state, the windows and
// the link to the drive. `Main` brings it up.
class Program {
public:
  Program(Platform& platform, Link& link, Desktop desktop);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // The start-up routine: the main window, the splash for just over three
  // seconds, the panels, then the stored settings. No serial traffic.
  void Main();

  SharedState& state() { return state_; }
  WindowRegistry& windows() { return windows_; }
  // The main window once Main has loaded it.
  TrendWindow* trend() const { return trend_.get(); }
  // The main window's procedures once Main has loaded it.
  TrendCommands* commands() const { return commands_.get(); }

private:
  // Keeps the main window's word on the publisher current while it publishes.
  void showPublishing();
  // The link's counts and the ticks skipped, in the window's corner once a second and published.
  void showLinkHealth();
  // Publishes what the limits raised or cleared and shows their state.
  void limitsHeard(const std::vector<LimitEvent>& events);

  Platform& platform_;
  Link& link_;
  Desktop desktop_;
  SharedState state_;
  TickGuard guard_;
  WindowRegistry windows_;
  std::unique_ptr<TrendWindow> trend_;
  std::unique_ptr<TrendCommands> commands_;
  std::unique_ptr<WindowPublishing> publishing_; // after the commands: it listens to their session
  std::unique_ptr<WindowLimits> limits_;         // after the publishing: it passes the session on to it
  std::deque<std::string> limitEvents_;          // the last few, for the tooltip
};

} // namespace orvane
