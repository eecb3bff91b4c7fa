#pragma once

#include "monitor/session_log.h"
#include "platform/file_dialogs.h"

#include <string>

namespace orvane {

// File ▸ Export Graph ▸ To CSV File: copies the session log to a file the
// user chooses.
class CsvExport {
public:
  explicit CsvExport(FileDialogs& dialogs, std::string logPath = SessionLog::defaultPath())
      : dialogs_(dialogs), logPath_(std::move(logPath)) {}

  // Asks for the file, then copies the log record by record, five fields to
  // a line. Every failure ends the copy silently, with the records written
  // so far kept; nothing is created when the log cannot be opened, and a
  // target that is the log itself (by any name) is left untouched.
  void csvmenu_Click();

private:
  FileDialogs& dialogs_;
  std::string logPath_;
};

} // namespace orvane
