#include "monitor/session_log.h"

#include "session_log/line_file.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace orvane {
namespace {

// Opens the log where its name leads, writes one line and closes it again; the kernel keeps the
// line for the disk, so a tick never waits for a sync.
std::optional<std::string> writeLine(const std::string& path, bool emptied, const std::string& line) {
  const std::filesystem::path file(path);
  LogFolder folder;
  LineFile log(LineFile::Use::WindowLog);
  int error = folder.open(file.has_parent_path() ? file.parent_path().string() : ".");
  if (!error)
    error = emptied ? log.openEmptied(folder, file.filename().string())
                    : log.openForAppend(folder, file.filename().string());
  if (!error)
    error = log.appendLine(line, {});
  const int closeError = log.close();
  if (!error)
    error = closeError;
  return error ? std::optional(std::string(std::strerror(error))) : std::nullopt;
}

} // namespace

std::string SessionLog::defaultPath() {
  const char* home = std::getenv("HOME");
  return std::string(home != nullptr ? home : ".") + "/Trend.CSV";
}

std::optional<std::string> SessionLog::start() const { return writeLine(path_, true, kSessionLogHeader); }

std::optional<std::string> SessionLog::append(const std::string& time, float frequency, float current,
                                              float currentPercent, float dcLink) const {
  return writeLine(path_, false, formatSessionLogLine(time, frequency, current, currentPercent, dcLink));
}

} // namespace orvane
