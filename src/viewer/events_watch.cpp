#include "viewer/events_watch.h"

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
  return seen ? readEvents(folder_) : std::vector<TimelineEvent>{};
}

} // namespace orvane
