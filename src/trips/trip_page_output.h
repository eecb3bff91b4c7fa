#pragma once

#include "trips/trip_print_page.h"

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

} // namespace orvane
