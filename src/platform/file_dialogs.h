#pragma once

#include <string>

namespace orvane {

// What a save dialog shows: its title, the file type filter in the
// platform's form ("CSV File Format (*.CSV)"), whether choosing an existing
// file asks before replacing it (No returns to the dialog), and the file it
// offers in the user's home folder (its extension is added to a name typed
// without one); with none it offers nothing and starts in the current folder.
struct SaveDialog {
  std::string title;
  std::string filter;
  bool askBeforeReplacing = true;
  std::string suggestedName{};
};

// The platform's file dialogs.
class FileDialogs {
public:
  virtual ~FileDialogs() = default;
  // The file the user chose, in the file system's encoding; empty when the
  // dialog was cancelled.
  virtual std::string saveFileName(const SaveDialog& dialog) = 0;
};

} // namespace orvane
