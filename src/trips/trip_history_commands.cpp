#include "trips/trip_history_commands.h"

#include "state/model_change.h"

namespace orvane {

TripHistoryCommands::TripHistoryCommands(SharedState& state, Link& link, Identification& identification,
                                         MessageBoxes& messages, const TripHistoryWindows& windows)
    : state_(state), link_(link), identification_(identification), messages_(messages), view_(windows.view),
      read_(link), printing_(messages, windows.pages, windows.saveDialog) {}

void TripHistoryCommands::tripmenu_Click() {
  bool shown = false;
  try {
    shown = readAndShow();
  } catch (const PortOpenError& error) {
    link_.showOpenFailure(error);
    link_.stopMonitor();
  }
  // Identification opened the port. A read that ends without its window while
  // no session runs lets go of it, so that another program can open it and a
  // drive reconnected through a new adapter is reached at the next read.
  if (!shown && !state_.trend.checked("startmonmenu"))
    link_.port().close();
}

bool TripHistoryCommands::readAndShow() {
  std::int16_t OK = 0;
  identification_.CheckInverter(OK);
  if (OK == 1)
    return false;
  if (applyModelChange(state_, messages_, ModelChangeQuestion::BeforeTripHistory) == ModelChangeOutcome::Declined)
    return false;
  state_.inverterknown = 1;
  state_.inverter = state_.newinverter;

  if (!window_)
    window_.emplace();
  read_.TripSummary(state_, *window_, OK);
  if (OK == 1) {
    link_.stopMonitor();
    return false;
  }
  layOutTripHistory(*window_, state_.inverter);
  view_.showModal(*window_, [this] { Command5_Click(); });
  // "&OK" and the window frame both close and discard the window.
  window_.reset();
  return true;
}

void TripHistoryCommands::Command5_Click() {
  if (!window_)
    return;
  if (const std::optional<TripPrintPage> page = tripPrintPage(*window_, state_.inverter))
    printing_.print(*page);
}

} // namespace orvane
