#include "output/csv_export.h"

#include "output/sequential_input.h"
#include "session_log/session_log_format.h"

#include <filesystem>
#include <fstream>

namespace orvane {
namespace {

// Copies record after record, as many fields to a record as a log line holds,
// until the log has been read to its end; stops at the first record that
// cannot be read or written whole.
void copyRecords(SequentialInput& log, std::ofstream& target) {
  do {
    std::string record;
    for (int field = 0; field < kLogFieldCount; ++field) {
      const std::optional<InputField> read = log.next();
      if (!read)
        return;
      if (field > 0)
        record += kLogFieldSeparator;
      record += writtenForm(*read);
    }
    target << record << kLogLineEnd;
    if (!target)
      return;
  } while (!log.atEnd());
}

} // namespace

void CsvExport::csvmenu_Click() {
  const std::string chosen =
      dialogs_.saveFileName(SaveDialog{"Export", "CSV File Format (*.CSV)", /*askBeforeReplacing=*/true});
  if (chosen.empty())
    return;

  std::ifstream logFile(logPath_, std::ios::binary);
  if (!logFile)
    return;
  // The log is open for input, so a target that is the log itself cannot be
  // opened for output: whatever path names it, the export ends and the log
  // stays as it was. Files are compared (device and inode), not their names.
  std::error_code notComparable;
  if (std::filesystem::equivalent(chosen, logPath_, notComparable))
    return;
  std::ofstream target(chosen, std::ios::binary | std::ios::trunc);
  if (!target)
    return;
  SequentialInput log(logFile);
  copyRecords(log, target);
}

} // namespace orvane
