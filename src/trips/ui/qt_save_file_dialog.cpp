#include "trips/ui/qt_save_file_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace orvane {

std::optional<std::string> QtSaveFileDialog::askSaveFileName(const std::string& title,
                                                             const std::string& suggestedName,
                                                             const std::string& filter) {
  const QString suggested = QString::fromStdString(suggestedName);
  QFileDialog dialog(owner_, QString::fromStdString(title), QDir::homePath(), QString::fromStdString(filter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QFileInfo(suggested).suffix());
  dialog.selectFile(suggested);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    return std::nullopt;
  return dialog.selectedFiles().constFirst().toStdString();
}

} // namespace orvane
