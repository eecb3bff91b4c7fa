#pragma once

#include <QString>

class QCustomPlot;

namespace orvane {

// The picture types File > Save Picture offers, as its dialog lists them.
inline const QString kPngPictureFilter = QStringLiteral("PNG image (*.png)");
inline const QString kPdfPictureFilter = QStringLiteral("PDF document (*.pdf)");

// The file a picture is saved to: a name typed without an extension gets the
// one of the type chosen in the dialog.
QString pictureFileName(const QString& typed, const QString& chosenFilter);

// Saves the plot as a PDF document when the file's extension says so, as a
// PNG image otherwise; false when the file cannot be written.
bool savePicture(QCustomPlot& plot, const QString& fileName);

} // namespace orvane
