#include "platform/qt/type_faces.h"

#include <QStringList>

namespace orvane {
namespace {

QStringList families(TypeFace face) {
  switch (face) {
  case TypeFace::MsSansSerif:
    return {"MS Sans Serif", "Microsoft Sans Serif", "Arial", "Liberation Sans", "Nimbus Sans",
            "Helvetica",     "DejaVu Sans"};
  case TypeFace::Verdana:
    return {"Verdana", "DejaVu Sans", "Bitstream Vera Sans", "Liberation Sans", "Nimbus Sans"};
  case TypeFace::FranklinGothicBook:
    return {"Franklin Gothic Book", "Libre Franklin", "Arial",      "Liberation Sans",
            "Nimbus Sans",          "Helvetica",      "DejaVu Sans"};
  }
  return {};
}

} // namespace

QFont typeFace(TypeFace face, double points, bool bold, bool underline) {
  QFont font;
  font.setFamilies(families(face));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(points);
  font.setBold(bold);
  font.setUnderline(underline);
  return font;
}

} // namespace orvane
