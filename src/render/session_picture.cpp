#include "render/session_picture.h"

#include "render/mapped_log.h"
#include "render/png_file.h"
#include "viewer/session_log_model.h"
#include "viewer/ui/session_plot.h"

namespace orvane {
namespace {

// The whole file in one read: nobody waits on a window meanwhile.
constexpr std::size_t kBytesPerRead = std::size_t{1} << 30;

std::string sessionsHeld(std::size_t count) {
  return count == 1 ? "1 session" : std::to_string(count) + " sessions";
}

// Why a file gives no samples for the asked session, in the Session Viewer's words.
RenderOutcome whyNotDrawn(const RenderRequest& request, PlotSeries& series) {
  SessionLogModel log(request.log, series);
  while (log.poll(kBytesPerRead).more) {
  }
  if (const std::string problem = log.problem(); !problem.empty())
    return {1, request.log + ": " + problem};
  const std::size_t sessions = log.sessions().size();
  const std::size_t shown = request.session.value_or(sessions) - 1;
  if (shown >= sessions)
    return {1, request.log + " holds " + sessionsHeld(sessions) + ", not a session " +
                   std::to_string(*request.session)};
  return {1, request.log + ": session " + std::to_string(shown + 1) + " has no samples"};
}

} // namespace

LoadedSession loadSession(const RenderRequest& request) {
  LoadedSession loaded;
  const std::optional<std::size_t> sessions = readMappedSession(request.log, request.session, *loaded.series);
  const std::size_t shown = request.session.value_or(sessions.value_or(0)) - 1;
  if (!sessions || shown >= *sessions || loaded.series->size() == 0) {
    loaded.series = std::make_unique<PlotSeries>();
    loaded.outcome = whyNotDrawn(request, *loaded.series);
    return loaded;
  }
  loaded.range = sessionRange(request, loggerFileStart(request.log), shown == 0);
  if (!loaded.range.error.empty())
    loaded.outcome = {2, loaded.range.error};
  return loaded;
}

RenderOutcome drawSessionPicture(const LoadedSession& session, const RenderRequest& request) {
  if (session.outcome.exitStatus != 0)
    return session.outcome;
  SessionPlot plot(*session.series);
  plot.fitSession();
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
