#include "trips/ui/qt_trip_page_output.h"

#include "trips/ui/trip_page_painter.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace orvane {

bool QtTripPageOutput::hasDefaultPrinter() { return !QPrinterInfo::defaultPrinter().isNull(); }

void QtTripPageOutput::printOnDefaultPrinter(const TripPrintPage& page) {
  QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
  printer.setDocName("Trip History Printout");
  printTripPage(printer, page);
}

bool QtTripPageOutput::saveAsPdf(const TripPrintPage& page, const std::string& path) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(path));
  printer.setDocName("Trip History Printout");
  return printTripPage(printer, page);
}

} // namespace orvane
