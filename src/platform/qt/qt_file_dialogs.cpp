#include "platform/qt/qt_file_dialogs.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

namespace orvane {

std::string QtFileDialogs::saveFileName(const SaveDialog& request) {
  QFileDialog dialog(parent_ ? parent_() : nullptr, QString::fromStdString(request.title));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(QString::fromStdString(request.filter));
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.askBeforeReplacing);
  if (!request.suggestedName.empty()) {
    const QString suggested = QString::fromStdString(request.suggestedName);
    dialog.setDirectory(QDir::homePath());
    dialog.setDefaultSuffix(QFileInfo(suggested).suffix());
    dialog.selectFile(suggested);
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    return {};
  return QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
}

} // namespace orvane
