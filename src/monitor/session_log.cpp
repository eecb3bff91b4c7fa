#include "monitor/session_log.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace orvane {
namespace {

std::optional<std::string> writeLine(const std::string& path, const char* mode, const std::string& line) {
  std::FILE* file = std::fopen(path.c_str(), mode);
  if (file == nullptr)
    return std::string(std::strerror(errno));
  const std::string withEnd = line + std::string(kLogLineEnd);
  const bool written = std::fwrite(withEnd.data(), 1, withEnd.size(), file) == withEnd.size();
  const int writeError = errno;
  const bool closed = std::fclose(file) == 0;
  if (!written || !closed)
    return std::string(std::strerror(written ? errno : writeError));
  return std::nullopt;
}

} // namespace

std::string SessionLog::defaultPath() {
  const char* home = std::getenv("HOME");
  return std::string(home != nullptr ? home : ".") + "/Trend.CSV";
}

std::optional<std::string> SessionLog::start() const { return writeLine(path_, "wb", kSessionLogHeader); }

std::optional<std::string> SessionLog::append(const std::string& time, float frequency, float current,
                                              float currentPercent, float dcLink) const {
  return writeLine(path_, "ab", formatSessionLogLine(time, frequency, current, currentPercent, dcLink));
}

} // namespace orvane
