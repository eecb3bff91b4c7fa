#include "trips/trip_history_commands.h"

#include "state/model_change.h"

namespace orvane {

TripHistoryCommands::TripHistoryCommands(SharedState& state, Link& link, Identification& identification,
                                         UiThread& ui, const TripHistoryWindows& windows,
                                         std::function<void()> stopSession)
    : state_(state), link_(link), identification_(identification), messages_(link.platform().messages), ui_(ui),
      view_(windows.view), read_(link), printing_(messages_, windows.pages, windows.saveDialog),
      stopSession_(std::move(stopSession)) {}

void TripHistoryCommands::tripmenu_Click() {
  bool shown = false;
  try {
    shown = readAndShow();
  } catch (const PortOpenError& error) {
    runUnlessStopped(ui_, link_, [&] {
      link_.showOpenFailure(error);
      stopSession_();
    });
  }
  // Identification opened the port. A read that ends without its window while
  // no session runs lets go of it, so that another program can open it and a
  // drive reconnected through a new adapter is reached at the next read.
  bool monitoring = true;
  if (!shown && ui_.run([&] { monitoring = state_.trend.checked("startmonmenu"); }) && !monitoring)
    link_.port().close();
}

bool TripHistoryCommands::readAndShow() {
  std::int16_t OK = 0;
  identification_.CheckInverter(OK);
  if (OK == 1)
    return false;
  std::string model;
  bool taken = false;
  if (!runUnlessStopped(ui_, link_,
                        [&] {
                          if (applyModelChange(state_, messages_, ModelChangeQuestion::BeforeTripHistory) ==
                              ModelChangeOutcome::Declined)
                            return;
                          state_.drive.inverterknown = true;
                          state_.drive.inverter = state_.drive.newinverter;
                          model = state_.drive.inverter;
                          if (!window_)
                            window_.emplace();
                          taken = true;
                        }) ||
      !taken)
    return false;

  const TripHistory history = read_.read(model);
  if (link_.stopping())
    return false;
  bool read = false;
  runUnlessStopped(ui_, link_, [&] {
    showTripHistory(link_, history, model, *window_, OK, stopSession_);
    if (OK == 1) {
      stopSession_();
      return;
    }
    layOutTripHistory(*window_, model);
    read = true;
  });
  if (!read)
    return false;
  ui_.post([this] {
    view_.showModal(*window_, [this] { Command5_Click(); });
    // "&OK" and the window frame both close and discard the window.
    window_.reset();
  });
  return true;
}

void TripHistoryCommands::Command5_Click() {
  if (!window_)
    return;
  if (const std::optional<TripPrintPage> page = tripPrintPage(*window_, state_.drive.inverter))
    printing_.print(*page);
}

} // namespace orvane
