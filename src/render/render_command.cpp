#include "render/render_command.h"

#include "render/render_request.h"
#include "render/session_picture.h"

#include <QApplication>
#include <cstdio>
#include <future>

namespace orvane {

int runRenderCommand(int argc, char* argv[]) {
  const ParsedRender parsed = parseRenderArguments(std::vector<std::string_view>(argv + 1, argv + argc));
  if (!parsed.request) {
    std::fprintf(stderr, "orvane-trend: %s\n%.*s", parsed.error.c_str(), static_cast<int>(kRenderUsage.size()),
                 kRenderUsage.data());
    return 2;
  }
  // A picture made from cron mails nothing when it succeeds: Qt's notes (no
  // runtime directory outside a desktop session, say) are dropped, its errors kept.
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
      std::fprintf(stderr, "%s\n", qPrintable(message));
  });
  // Drawn off screen whatever the session offers: no display server is needed,
  // and none is contacted when there is one.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // The log is read on a second core while the application starts.
  std::future<LoadedSession> session = std::async(std::launch::async, loadSession, *parsed.request);
  QApplication application(argc, argv);
  prepareDrawing();
  const LoadedSession loaded = session.get();
  if (!loaded.limitsWarning.empty())
    std::fprintf(stderr, "orvane-trend: %s\n", loaded.limitsWarning.c_str());
  const RenderOutcome outcome = drawSessionPicture(loaded, *parsed.request);
  if (outcome.exitStatus != 0)
    std::fprintf(stderr, "orvane-trend: %s\n", outcome.reason.c_str());
  if (outcome.exitStatus == 2)
    std::fprintf(stderr, "%.*s", static_cast<int>(kRenderUsage.size()), kRenderUsage.data());
  return outcome.exitStatus;
}

} // namespace orvane
