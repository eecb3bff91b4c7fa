#pragma once

#include "render/render_request.h"
#include "viewer/ui/plot_series.h"

#include <memory>
#include <string>

namespace orvane {

// How a render ended: the process's exit status (0 drawn, 1 the file cannot be
// drawn, 2 the arguments do not fit the file) and, unless drawn, why.
struct RenderOutcome {
  int exitStatus = 0;
  std::string reason;
};

// The asked session of a log, read whole, and the time range to draw.
struct LoadedSession {
  RenderOutcome outcome;
  std::unique_ptr<PlotSeries> series = std::make_unique<PlotSeries>();
  SessionRange range;
};

// Reads the whole session log and keeps the asked session. Needs no
// application object, so it may run while one is being made.
LoadedSession loadSession(const RenderRequest& request);

// Draws a loaded session as the Session Viewer draws it into the asked picture
// file. Needs a QApplication; shows no window.
RenderOutcome drawSessionPicture(const LoadedSession& session, const RenderRequest& request);

} // namespace orvane
