#pragma once

#include "trips/trip_page_output.h"

namespace orvane {

// Prints trip history pages with the system's printing: the default printer
// without a dialog, or a PDF file.
class QtTripPageOutput final : public TripPageOutput {
public:
  bool hasDefaultPrinter() override;
  void printOnDefaultPrinter(const TripPrintPage& page) override;
  bool saveAsPdf(const TripPrintPage& page, const std::string& path) override;
};

} // namespace orvane
