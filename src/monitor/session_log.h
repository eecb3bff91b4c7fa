#pragma once

#include "session_log/session_log_format.h"

#include <optional>
#include <string>

namespace orvane {

// The session log, $HOME/Trend.CSV: truncated with a header at each start,
// one line appended and closed per sample so that no written line is lost.
class SessionLog {
public:
  static std::string defaultPath();

  explicit SessionLog(std::string path = defaultPath()) : path_(std::move(path)) {}
  const std::string& path() const { return path_; }

  // Each returns the system's reason when the file cannot be written.
  std::optional<std::string> start() const;
  std::optional<std::string> append(const std::string& time, float frequency, float current, float currentPercent,
                                    float dcLink) const;

private:
  std::string path_;
};

} // namespace orvane
