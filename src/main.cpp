#include "app/program.h"
#include "link/link.h"
#include "logger/logger_command.h"
#include "platform/posix_serial_port.h"
#include "platform/qt/qt_beeper.h"
#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_file_dialogs.h"
#include "platform/qt/qt_message_boxes.h"
#include "platform/steady_clock.h"
#include "platform/version.h"
#include "render/render_command.h"
#include "viewer/ui/session_viewer_window.h"

#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <string_view>

int main(int argc, char* argv[]) {
  // `--log-only`: the unattended logger, before anything that would need a display.
  if (orvane::isLoggerCommand(argc, argv))
    return orvane::runLoggerCommand(argc, argv);
  // `--render FILE ...`: a picture of a session log, with no display and no window.
  if (argc > 1 && std::string_view(argv[1]) == "--render")
    return orvane::runRenderCommand(argc, argv);

  // `--view FILE`: the Session Viewer alone, with no port, no settings and no splash.
  const bool viewOnly = argc > 1 && std::string_view(argv[1]) == "--view";
  if (viewOnly && argc != 3) {
    std::fputs("usage: orvane-trend --view FILE\n", stderr);
    return 2;
  }
  const char* viewed = viewOnly ? argv[2] : nullptr;

  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("orvane-trend"));
  QApplication::setApplicationVersion(QLatin1String(orvane::kVersion));
  if (viewOnly) {
    Q_INIT_RESOURCE(resources);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/app_icon.svg")));
    orvane::SessionViewerWindow viewer(QString::fromLocal8Bit(viewed));
    viewer.show();
    return QApplication::exec();
  }

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
