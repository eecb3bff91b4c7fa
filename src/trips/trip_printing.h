#pragma once

#include "platform/file_dialogs.h"
#include "platform/message_boxes.h"
#include "trips/trip_page_output.h"
#include "trips/trip_print_page.h"

namespace orvane {

// Sends a trip history page to the default printer. Without a printer the
// user is told so and may save the page as a PDF file instead.
class TripPrinting {
public:
  TripPrinting(MessageBoxes& messages, TripPageOutput& output, FileDialogs& saveDialog)
      : messages_(messages), output_(output), saveDialog_(saveDialog) {}

  void print(const TripPrintPage& page);

private:
  void offerPdf(const TripPrintPage& page);

  MessageBoxes& messages_;
  TripPageOutput& output_;
  FileDialogs& saveDialog_;
};

} // namespace orvane
