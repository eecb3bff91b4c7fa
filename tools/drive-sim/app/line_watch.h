#pragma once

#include <string>
#include <vector>

namespace orvane::sim {

// Sees the host open and close the pseudo-terminal's slave side. The
// simulator holds the slave open itself, so the master never hangs up; the
// kernel's notice of each open and close of the device (inotify) is what
// tells when the host let go of the line.
class LineWatch {
public:
  enum class Event { Opened, Closed };

  explicit LineWatch(const std::string& slavePath); // throws std::system_error
  ~LineWatch();
  LineWatch(const LineWatch&) = delete;
  LineWatch& operator=(const LineWatch&) = delete;

  // Readable when events are waiting.
  int descriptor() const { return descriptor_; }
  // The events waiting, oldest first.
  std::vector<Event> take() const;

private:
  int descriptor_ = -1;
};

} // namespace orvane::sim
