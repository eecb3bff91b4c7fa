#include "app/program.h"
#include "command_line/command_choice.h"
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
#include "summary/summary_command.h"
#include "viewer/ui/session_viewer_window.h"

#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <string_view>
#include <vector>

int main(int argc, char* argv[]) {
  // Every command is decided before anything that would need a display: an unknown option is
  // refused here, never in Qt's platform plugin.
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  const orvane::CommandChoice choice = orvane::chooseCommand(arguments);
  switch (choice.command) {
  case orvane::Command::Logger:
    return orvane::runLoggerCommand(argc, argv);
  case orvane::Command::Render:
    return orvane::runRenderCommand(argc, argv);
  case orvane::Command::Summary:
    return orvane::runSummaryCommand(argc, argv);
  case orvane::Command::Help:
    std::fputs(orvane::usageText(), stdout);
    return 0;
  case orvane::Command::Version:
    std::printf("orvane-trend %s\n", orvane::kVersion);
    return 0;
  case orvane::Command::Refused:
    std::fprintf(stderr, "orvane-trend: %s\n%s", choice.error.c_str(), orvane::usageText());
    return 2;
  case orvane::Command::View:
  case orvane::Command::Window:
    break;
  }
  // `--view FILE|DIR`: the Session Viewer alone, with no port, no settings and no splash.
  const bool viewOnly = choice.command == orvane::Command::View;

  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("orvane-trend"));
  QApplication::setApplicationVersion(QLatin1String(orvane::kVersion));
  if (viewOnly) {
    Q_INIT_RESOURCE(resources);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/app_icon.svg")));
    orvane::SessionViewerWindow viewer(QString::fromLocal8Bit(choice.viewed.c_str()));
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
