#include "viewer/events_watch.h"

#include "link/link_health.h"

#include <sys/stat.h>

namespace orvane {

std::optional<std::vector<TimelineEvent>> EventsWatch::changed() {
  struct stat status {};
  const std::string path = folder_ + "/" + kEventsFileName;
  std::optional<std::pair<std::uint64_t, std::int64_t>> seen;
  if (::stat(path.c_str(), &status) == 0)
    seen = {static_cast<std::uint64_t>(status.st_size),
            static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec};
  if (seen == seen_)
    return std::nullopt;
  seen_ = seen;
  if (!seen)
    return std::vector<TimelineEvent>{};
  // The logger's hourly counts of the link are bookkeeping for --summary, not something that
  // happened to the drive: a mark an hour would bury the trips.
  std::vector<TimelineEvent> events = readEvents(folder_);
  std::erase_if(events, [](const TimelineEvent& event) { return event.kind == kLinkHealthEvent; });
  return events;
}

} // namespace orvane
