#pragma once

#include "acquisition/trip_history_read.h"
#include "link/link.h"
#include "monitor/identification.h"
#include "monitor/ui_thread.h"
#include "platform/message_boxes.h"
#include "state/shared_state.h"
#include "trips/trip_history_form.h"
#include "trips/trip_history_show.h"
#include "trips/trip_history_view.h"
#include "trips/trip_page_output.h"
#include "trips/trip_printing.h"

#include <functional>
#include <optional>

namespace orvane {

// The windows and dialogs the trip history shows.
struct TripHistoryWindows {
  TripHistoryView& view;
  TripPageOutput& pages;
  FileDialogs& saveDialog;
};

// The trip history: "Trip History" reads the drive's trips into the trip
// history window and shows it; its "&Print" prints them. The window is loaded
// by a read and discarded when the user closes it, so the next read starts
// from the design state; a read that fails leaves it loaded but unshown.
class TripHistoryCommands {
public:
  // `stopSession` is "Stop Monitor", run on the user-interface thread.
  TripHistoryCommands(SharedState& state, Link& link, Identification& identification, UiThread& ui,
                      const TripHistoryWindows& windows, std::function<void()> stopSession);

  // The "Trip History" menu item and the "triptoolbar" button. Identifies the
  // drive, applies the model-change rule, reads the history, and then has the
  // user-interface thread show the window modal once the link work is over.
  // A failed read runs "Stop Monitor" and shows no window; a read that ends
  // without its window while no session runs leaves the port closed. Runs
  // where the link work runs.
  void tripmenu_Click();

  // "&Print" of the trip history window: the window's captions on one page,
  // for the model in use; nothing for a model in neither group.
  void Command5_Click();

  // The trip history window while it is loaded.
  const TripHistoryForm* window() const { return window_ ? &*window_ : nullptr; }

private:
  // True once the window was shown.
  bool readAndShow();

  SharedState& state_;
  Link& link_;
  Identification& identification_;
  MessageBoxes& messages_;
  UiThread& ui_;
  TripHistoryView& view_;
  TripHistoryRead read_;
  TripPrinting printing_;
  std::optional<TripHistoryForm> window_;
  std::function<void()> stopSession_;
};

} // namespace orvane
