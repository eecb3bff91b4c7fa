#pragma once

#include <string>

namespace orvane {

// What a save dialog shows: its title, the file type filter in the
// platform's form ("CSV File Format (*.CSV)") and whether choosing an existing
// file asks before replacing it (No returns to the dialog).
struct SaveDialog {
  std::string title;
  std::string filter;
  bool askBeforeReplacing = true;
};

// The platform's file dialogs.
class FileDialogs {
public:
  virtual ~FileDialogs() = default;
  // The file the user chose, as typed or picked (no extension is added);
  // empty when the dialog was cancelled.
  virtual std::string saveFileName(const SaveDialog& dialog) = 0;
};

} // namespace orvane
