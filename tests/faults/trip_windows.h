#pragma once

#include "platform/file_dialogs.h"
#include "trips/trip_history_view.h"
#include "trips/trip_page_output.h"

#include <vector>

namespace orvane::testing {

// The trip history window as the user sees it: every window shown is kept as
// it was on screen; the user closes it with "&OK" at once.
class RecordingTripWindow final : public TripHistoryView {
public:
  void showModal(const TripHistoryForm& window, const std::function<void()>&) override { shown.push_back(window); }

  std::vector<TripHistoryForm> shown;
};

// A desk without a printer whose user cancels every save dialog: nothing the
// trip history window offers can leave the program.
class DeskWithoutPrinter final : public TripPageOutput, public FileDialogs {
public:
  bool hasDefaultPrinter() override { return false; }
  void printOnDefaultPrinter(const TripPrintPage&) override {}
  bool saveAsPdf(const TripPrintPage&, const std::string&) override { return false; }
  std::string saveFileName(const SaveDialog&) override { return {}; }
};

} // namespace orvane::testing
