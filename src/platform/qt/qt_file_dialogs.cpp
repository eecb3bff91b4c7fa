#include "platform/qt/qt_file_dialogs.h"

#include <QFile>
#include <QFileDialog>

namespace orvane {

std::string QtFileDialogs::saveFileName(const SaveDialog& request) {
  QFileDialog dialog(parent_ ? parent_() : nullptr, QString::fromStdString(request.title));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(QString::fromStdString(request.filter));
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.askBeforeReplacing);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    return {};
  return QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
}

} // namespace orvane
