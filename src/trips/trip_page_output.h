#pragma once

#include "trips/trip_print_page.h"

#include <optional>
#include <string>

namespace orvane {

// Where a printed page can go.
class TripPageOutput {
public:
  virtual ~TripPageOutput() = default;
  virtual bool hasDefaultPrinter() = 0;
  // One page on the default printer, without a dialog.
  virtual void printOnDefaultPrinter(const TripPrintPage& page) = 0;
  // One page into a PDF file; false when the file cannot be written.
  virtual bool saveAsPdf(const TripPrintPage& page, const std::string& path) = 0;
};

// The modal dialog that asks for the name of a file to save.
class SaveFileDialog {
public:
  virtual ~SaveFileDialog() = default;
  // The chosen path, or nothing when the user cancels.
  virtual std::optional<std::string> askSaveFileName(const std::string& title, const std::string& suggestedName,
                                                     const std::string& filter) = 0;
};

} // namespace orvane
