#pragma once

#include "timeline/timeline_events.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace orvane {

// The Events.CSV of a folder, read again whenever its size or change time
// differs from the last look (one stat a look otherwise).
class EventsWatch {
public:
  explicit EventsWatch(std::string folder) : folder_(std::move(folder)) {}

  // Every event, when the file changed (or vanished: none) since the last look.
  std::optional<std::vector<TimelineEvent>> changed();

private:
  std::string folder_;
  std::optional<std::pair<std::uint64_t, std::int64_t>> seen_;
};

} // namespace orvane
