#include "viewer/ui/picture_file.h"

#include <QFileInfo>
#include <qcustomplot.h>

namespace orvane {

QString pictureFileName(const QString& typed, const QString& chosenFilter) {
  if (!QFileInfo(typed).suffix().isEmpty())
    return typed;
  return typed + (chosenFilter == kPdfPictureFilter ? QStringLiteral(".pdf") : QStringLiteral(".png"));
}

bool savePicture(QCustomPlot& plot, const QString& fileName) {
  const bool pdf = QFileInfo(fileName).suffix().compare(QStringLiteral("pdf"), Qt::CaseInsensitive) == 0;
  return pdf ? plot.savePdf(fileName) : plot.savePng(fileName);
}

} // namespace orvane
