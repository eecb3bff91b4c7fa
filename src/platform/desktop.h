#pragma once

#include "platform/clipboard.h"
#include "platform/file_dialogs.h"

namespace orvane {

// The desktop services the graph output uses; the program hands in the real
// ones, the tests their own.
struct Desktop {
  FileDialogs& files;
  Clipboard& clipboard;
};

} // namespace orvane
