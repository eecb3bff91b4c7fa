#include "render/session_picture.h"

#include "viewer/session_log_model.h"
#include "viewer/ui/plot_series.h"
#include "viewer/ui/session_plot.h"

namespace orvane {
namespace {

// The whole file in as few reads as it takes; nobody waits on a window meanwhile.
constexpr std::size_t kBytesPerRead = std::size_t{1} << 30;

std::string sessionsHeld(std::size_t count) {
  return count == 1 ? "1 session" : std::to_string(count) + " sessions";
}

} // namespace

RenderOutcome drawSessionPicture(const RenderRequest& request) {
  PlotSeries series;
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
  if (shown != log.shownSession())
    log.showSession(shown);
  if (series.size() == 0)
    return {1, request.log + ": session " + std::to_string(shown + 1) + " has no samples"};

  const SessionRange range = sessionRange(request, loggerFileStart(request.log), shown == 0);
  if (!range.error.empty())
    return {2, range.error};

  SessionPlot plot(series);
  plot.fitSession();
  const QCPRange whole = plot.visibleTime();
  const QCPRange wanted(range.from.value_or(whole.lower), range.to.value_or(whole.upper));
  if (wanted.upper <= wanted.lower)
    return {1, "the session has no time between the asked limits"};
  plot.setVisibleTime(wanted);

  const QString picture = QString::fromStdString(request.picture);
  const bool saved = request.format == RenderRequest::Format::Pdf
                         ? plot.savePdf(picture, request.width, request.height)
                         : plot.savePng(picture, request.width, request.height);
  if (!saved)
    return {1, request.picture + " could not be written"};
  return {};
}

} // namespace orvane
