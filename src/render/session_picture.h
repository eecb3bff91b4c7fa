#pragma once

#include "render/render_request.h"
#include "viewer/session_log_model.h"

#include <memory>
#include <optional>
#include <string>

namespace orvane {

// How a render ended: the process's exit status (0 drawn, 1 the file cannot be
// drawn, 2 the arguments do not fit the file) and, unless drawn, why.
struct RenderOutcome {
  int exitStatus = 0;
  std::string reason;
};

// A session log, or a logger's folder as one timeline, read whole into the viewer's model, the asked session
// shown, and the time range to draw.
struct LoadedSession {
  RenderOutcome outcome;
  std::unique_ptr<SessionLogModel> log;
  SessionRange range;
  // The session's start in seconds since the epoch when its time axis gives
  // clock time, as the Session Viewer's does for a logger's first session and
  // a folder's timeline.
  std::optional<double> clockStart;
  // The events marked: those of the Events.CSV of the folder (or beside the logger's file) unless left out.
  std::vector<TimelineEvent> events;
  // What is wrong with the default limits file, drawn without; empty when nothing is.
  std::string limitsWarning;
};

// Reads the whole session log and shows the asked session. Needs no
// application object, so it may run while one is being made.
LoadedSession loadSession(const RenderRequest& request);

// Loads the font the plot is written in, and its glyphs, while the log is
// still being read: the drawing that waits for the log then takes a fifth
// less. Needs a QApplication.
void prepareDrawing();

// Draws a loaded session as the Session Viewer draws it into the asked picture
// file. Needs a QApplication; shows no window.
RenderOutcome drawSessionPicture(const LoadedSession& session, const RenderRequest& request);

} // namespace orvane
