#include "app/program.h"
#include "link/link.h"
#include "platform/posix_serial_port.h"
#include "platform/qt/qt_beeper.h"
#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_file_dialogs.h"
#include "platform/qt/qt_message_boxes.h"
#include "platform/steady_clock.h"
#include "platform/version.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("orvane-trend"));
  QApplication::setApplicationVersion(QLatin1String(orvane::kVersion));

  orvane::PosixSerialPort port;
  orvane::SteadyClock clock;
  orvane::QtMessageBoxes messages;
  orvane::QtBeeper beeper;
  orvane::Platform platform{port, clock, messages, beeper};
  orvane::Link link(platform);
  orvane::QtFileDialogs files;
  orvane::QtClipboard clipboard;

  orvane::Program program(platform, link, orvane::Desktop{files, clipboard});
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/app_icon.svg")));
  messages.setParentWindow([&program]() -> QWidget* { return program.trend(); });
  files.setParentWindow([&program]() -> QWidget* { return program.trend(); });
  program.Main();
  return QApplication::exec();
}
