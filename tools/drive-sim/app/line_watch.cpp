#include "app/line_watch.h"

#include <cerrno>
#include <sys/inotify.h>
#include <system_error>
#include <unistd.h>

namespace orvane::sim {

LineWatch::LineWatch(const std::string& slavePath) : descriptor_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
  if (descriptor_ < 0)
    throw std::system_error(errno, std::generic_category(), "inotify_init1");
  if (inotify_add_watch(descriptor_, slavePath.c_str(), IN_OPEN | IN_CLOSE) < 0) {
    const int error = errno;
    ::close(descriptor_);
    throw std::system_error(error, std::generic_category(), "watching " + slavePath);
  }
}

LineWatch::~LineWatch() { ::close(descriptor_); }

std::vector<LineWatch::Event> LineWatch::take() const {
  std::vector<Event> events;
  alignas(inotify_event) char buffer[4096];
  ssize_t count = 0;
  while ((count = ::read(descriptor_, buffer, sizeof buffer)) > 0) {
    for (ssize_t at = 0; at < count;) {
      const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
      if (event->mask & IN_OPEN)
        events.push_back(Event::Opened);
      if (event->mask & IN_CLOSE)
        events.push_back(Event::Closed);
      at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
    }
  }
  return events;
}

} // namespace orvane::sim
