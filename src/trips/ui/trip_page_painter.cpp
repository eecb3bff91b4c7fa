#include "trips/ui/trip_page_painter.h"

#include "platform/qt/type_faces.h"

#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <cmath>

namespace orvane {
namespace {

constexpr double kTwipsPerInch = 1440;
constexpr double kTwipsPerPoint = 20;

// A font sized in twips, the unit the page is painted in.
QFont inTwips(TypeFace face, double points, bool bold, bool underline = false) {
  QFont font = typeFace(face, points, bold, underline);
  font.setPixelSize(static_cast<int>(std::lround(points * kTwipsPerPoint)));
  return font;
}

QFont pageFont(PageFont font) {
  switch (font) {
  case PageFont::Title:
    return inTwips(TypeFace::Verdana, 18, true);
  case PageFont::Heading:
    return inTwips(TypeFace::FranklinGothicBook, 12, true, true);
  case PageFont::BoldCaption:
    return inTwips(TypeFace::FranklinGothicBook, 11.25, true);
  case PageFont::Caption:
    return inTwips(TypeFace::FranklinGothicBook, 9.75, false);
  case PageFont::Value:
    return inTwips(TypeFace::FranklinGothicBook, 9.75, true);
  }
  return {};
}

} // namespace

void paintTripPage(QPainter& painter, const TripPrintPage& page) {
  painter.fillRect(QRectF(0, 0, page.width, page.height), Qt::white);
  painter.setPen(Qt::black);
  for (const PageText& text : page.texts) {
    const QFont font = pageFont(text.font);
    painter.setFont(font);
    const double height = 2.0 * font.pixelSize();
    const QRectF box = text.alignRight ? QRectF(0, text.top, text.x, height)
                                       : QRectF(text.x, text.top, page.width - text.x, height);
    const Qt::Alignment alignment = (text.alignRight ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop;
    painter.drawText(box, static_cast<int>(alignment) | Qt::TextSingleLine, QString::fromStdString(text.text));
  }
}

bool printTripPage(QPrinter& printer, const TripPrintPage& page) {
  QPainter painter;
  if (!painter.begin(&printer))
    return false;
  const QRect printable = printer.pageLayout().paintRectPixels(printer.resolution());
  const double natural = printer.resolution() / kTwipsPerInch;
  const double scale =
      std::min({natural, printable.width() / double(page.width), printable.height() / double(page.height)});
  painter.scale(scale, scale);
  paintTripPage(painter, page);
  return painter.end();
}

} // namespace orvane
