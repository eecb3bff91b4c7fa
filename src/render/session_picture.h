#pragma once

#include "render/render_request.h"

#include <string>

namespace orvane {

// How a render ended: the process's exit status (0 drawn, 1 the file cannot be
// drawn, 2 the arguments do not fit the file) and, unless drawn, why.
struct RenderOutcome {
  int exitStatus = 0;
  std::string reason;
};

// Reads the whole session log and draws the asked session and time range as the
// Session Viewer draws it, into a picture file. Needs a QApplication; shows no window.
RenderOutcome drawSessionPicture(const RenderRequest& request);

} // namespace orvane
