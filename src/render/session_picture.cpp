#include "render/session_picture.h"

#include "limits/limits_file.h"
#include "render/png_file.h"
#include "viewer/folder_scanner.h"
#include "viewer/ui/session_plot.h"

#include <QPainter>
#include <ctime>

namespace orvane {
namespace {

std::string sessionsHeld(std::size_t count) {
  return count == 1 ? "1 session" : std::to_string(count) + " sessions";
}

// Shows the asked session of a log read whole, or says why it cannot be drawn.
RenderOutcome showAskedSession(const RenderRequest& request, SessionLogModel& log) {
  if (const std::string problem = log.problem(); !problem.empty())
    return {1, problem};
  const std::size_t sessions = log.sessions().size();
  if (request.session) {
    if (*request.session > sessions)
      return {1, request.log + " holds " + sessionsHeld(sessions) + ", not a session " +
                     std::to_string(*request.session)};
    log.showSession(*request.session - 1);
  }
  const auto [first, last] = log.shownSamples();
  if (first == last)
    return {1, request.log + ": session " + std::to_string(log.shownSession() + 1) + " has no samples"};
  return {};
}

ClockTime localClockTime(double epochSeconds) {
  const auto whole = static_cast<std::time_t>(epochSeconds);
  std::tm local{};
  localtime_r(&whole, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
          local.tm_hour,        local.tm_min,     static_cast<double>(local.tm_sec)};
}

} // namespace

LoadedSession loadSession(const RenderRequest& request) {
  LoadedSession loaded;
  loaded.log = std::make_unique<SessionLogModel>(request.log);
  // Limits named on the command line must be right; the window's own file is only a default,
  // whose fault is told and the picture drawn without limits.
  const LoadedLimits limits = request.limitsFile.empty() ? loadLimitsFile(windowLimitsPath(), true)
                                                         : loadLimitsFile(request.limitsFile, false);
  if (!limits.error.empty() && !request.limitsFile.empty()) {
    loaded.outcome = {2, limits.error};
    return loaded;
  }
  loaded.limitsWarning = limits.error;
  loaded.log->setLimits(limits.limits);
  readAvailable(*openBatchSource(request.log), *loaded.log);
  loaded.outcome = showAskedSession(request, *loaded.log);
  if (loaded.outcome.exitStatus != 0)
    return loaded;
  const std::optional<double> origin = loaded.log->clockOrigin();
  const bool firstSession = origin || loaded.log->shownSession() == 0;
  const std::optional<ClockTime> fileStart = origin ? localClockTime(*origin) : loggerFileStart(request.log);
  loaded.range = sessionRange(request, fileStart, firstSession);
  if (!loaded.range.error.empty())
    loaded.outcome = {2, loaded.range.error};
  if (fileStart && firstSession)
    loaded.clockStart = origin ? *origin : epochSeconds(*fileStart);
  if (request.events && loaded.clockStart)
    loaded.events = loaded.log->events();
  return loaded;
}

void prepareDrawing() {
  QImage scratch(256, 32, QImage::Format_RGB32);
  QPainter painter(&scratch);
  painter.drawText(0, 20, QStringLiteral("0123456789:.-()% ACDFHLVceiklmnqrstuyz'"));
}

RenderOutcome drawSessionPicture(const LoadedSession& session, const RenderRequest& request) {
  if (session.outcome.exitStatus != 0)
    return session.outcome;
  const SessionLogModel& log = *session.log;
  SessionPlot plot(log.store());
  plot.resize(request.width, request.height);
  plot.setClockStart(session.clockStart);
  plot.setTimeline(&log.gaps(), &session.events);
  plot.setLimits(&log.limitSpans());
  const auto [first, last] = log.shownSamples();
  plot.showSamples(first, last, log.sessions()[log.shownSession()].percentPerAmpere());
  const QCPRange whole = plot.visibleTime();
  const QCPRange wanted(session.range.from.value_or(whole.lower), session.range.to.value_or(whole.upper));
  if (wanted.upper <= wanted.lower)
    return {1, "the session has no time between the asked limits"};
  plot.setVisibleTime(wanted);

  const bool saved = request.format == RenderRequest::Format::Pdf
                         ? plot.savePdf(QString::fromStdString(request.picture), request.width, request.height)
                         : writeFastPng(plot.toPixmap(request.width, request.height).toImage(), request.picture);
  if (!saved)
    return {1, request.picture + " could not be written"};
  return {};
}

} // namespace orvane
