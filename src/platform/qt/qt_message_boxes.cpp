#include "platform/qt/qt_message_boxes.h"

#include <QApplication>
#include <QMessageBox>
#include <vector>

namespace orvane {
namespace {

// A box wants the pointer: a busy cursor of the command that shows it is
// lifted while the box is open and put back when it closes.
class CursorLifted {
public:
  CursorLifted() {
    while (const QCursor* cursor = QApplication::overrideCursor()) {
      lifted_.push_back(*cursor);
      QApplication::restoreOverrideCursor();
    }
  }
  ~CursorLifted() {
    for (auto cursor = lifted_.rbegin(); cursor != lifted_.rend(); ++cursor)
      QApplication::setOverrideCursor(*cursor);
  }
  CursorLifted(const CursorLifted&) = delete;
  CursorLifted& operator=(const CursorLifted&) = delete;

private:
  std::vector<QCursor> lifted_;
};

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
  const CursorLifted cursor;
  const int answer = box.exec();
  if (!yesNo)
    return MessageAnswer::Ok;
  return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

} // namespace orvane
