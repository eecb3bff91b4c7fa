#include "trips/trip_printing.h"

namespace orvane {
namespace {

constexpr const char* kPrintTitle = "Trip History Printout";

} // namespace

void TripPrinting::print(const TripPrintPage& page) {
  if (output_.hasDefaultPrinter())
    output_.printOnDefaultPrinter(page);
  else
    offerPdf(page);
}

void TripPrinting::offerPdf(const TripPrintPage& page) {
  const MessageAnswer answer = messages_.show(MessageIcon::Question, MessageButtons::YesNo, kPrintTitle,
                                              "No printer is available.\n"
                                              "Do you wish to save the trip history as a PDF file instead?");
  if (answer != MessageAnswer::Yes)
    return;
  const std::string path = saveDialog_.saveFileName(
      SaveDialog{"Save Trip History", "PDF files (*.pdf)", /*askBeforeReplacing=*/true, "Trip History.pdf"});
  if (path.empty())
    return;
  if (!output_.saveAsPdf(page, path))
    messages_.show(MessageIcon::Exclamation, MessageButtons::Ok, kPrintTitle,
                   "The file " + path + " could not be written.");
}

} // namespace orvane
