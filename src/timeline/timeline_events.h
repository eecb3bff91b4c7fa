#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// One entry of the logger's Events.CSV: a trip with its display text, a trip
// cleared, a failure, a reconnection, a clock change, a limit crossed or
// cleared, or any kind a later logger writes.
struct TimelineEvent {
  // Seconds since the epoch.
  double time = 0;
  // The Event column as written ("trip", "trip cleared", "limit", ...).
  std::string kind;
  std::string text;
  std::string sessionFile;
  // The lines that belong to the entry: a trip's decoded trip history.
  std::vector<std::string> details;
};

// The events of an Events.CSV, in time order (entries of one time in file
// order). Columns are found by the header's names (Clock time, Session file,
// Event, Text, and a UTC offset column when there is one), so columns added
// later are passed over; without a header the logger's order is taken. The
// clock time is local, or exact with its UTC offset ("+01:00", "-0500",
// "Z"). "trip history" lines go to the details of the trip before them.
// Lines whose time cannot be read are left out.
std::vector<TimelineEvent> parseEvents(std::string_view csv);

// The events of `folder`/Events.CSV; none when it is missing or unreadable.
std::vector<TimelineEvent> readEvents(const std::string& folder);

inline constexpr const char* kEventsFileName = "Events.CSV";

// Navigation over events in time order: the first later than `time`, the
// last earlier than `time`.
std::optional<std::size_t> nextEvent(const std::vector<TimelineEvent>& events, double time);
std::optional<std::size_t> previousEvent(const std::vector<TimelineEvent>& events, double time);

} // namespace orvane
