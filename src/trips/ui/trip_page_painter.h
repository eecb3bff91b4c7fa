#pragma once

#include "trips/trip_print_page.h"

class QPainter;
class QPrinter;

namespace orvane {

// Paints a trip history page on white, in twips (1440 to the inch) from the
// painter's origin; the fonts are sized in twips too, so the page keeps its
// proportions at any scale.
void paintTripPage(QPainter& painter, const TripPrintPage& page);

// Prints the page as one sheet: at its own size from the top-left corner of
// the printable area, scaled down only where it would not fit. False when the
// printer (or the PDF file) cannot be opened.
bool printTripPage(QPrinter& printer, const TripPrintPage& page);

} // namespace orvane
