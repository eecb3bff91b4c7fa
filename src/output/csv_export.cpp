#include "output/csv_export.h"

#include "output/sequential_input.h"

#include <array>
#include <filesystem>
#include <fstream>

namespace orvane {
namespace {

constexpr int kFieldsPerRecord = 5;

// Copies record after record until the log has been read to its end; stops
// at the first record that cannot be read or written whole.
void copyRecords(SequentialInput& log, std::ofstream& target) {
  do {
    std::array<std::string, kFieldsPerRecord> fields;
    for (std::string& field : fields) {
      const std::optional<InputField> read = log.next();
      if (!read)
        return;
      field = writtenForm(*read);
    }
    target << fields[0] << ',' << fields[1] << ',' << fields[2] << ',' << fields[3] << ',' << fields[4] << "\r\n";
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
