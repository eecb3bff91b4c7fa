#include "platform/qt/qt_message_boxes.h"

#include <QMessageBox>

namespace orvane {
namespace {

QMessageBox::Icon toQt(MessageIcon icon) {
  switch (icon) {
  case MessageIcon::Critical:
    return QMessageBox::Critical;
  case MessageIcon::Question:
    return QMessageBox::Question;
  case MessageIcon::Exclamation:
    return QMessageBox::Warning;
  case MessageIcon::Information:
    return QMessageBox::Information;
  }
  return QMessageBox::NoIcon;
}

} // namespace

MessageAnswer QtMessageBoxes::show(MessageIcon icon, MessageButtons buttons, const std::string& title,
                                   const std::string& text) {
  const bool yesNo = buttons == MessageButtons::YesNo;
  QMessageBox box(toQt(icon), QString::fromStdString(title), QString::fromStdString(text),
                  yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent_ ? parent_() : nullptr);
  box.setWindowModality(Qt::ApplicationModal);
  box.setDefaultButton(yesNo ? QMessageBox::Yes : QMessageBox::Ok);
  const int answer = box.exec();
  if (!yesNo)
    return MessageAnswer::Ok;
  return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

} // namespace orvane
