#pragma once

#include "publish/messages.h"

#include <cstdint>
#include <optional>
#include <string>

namespace orvane {

// The payloads of the three topics. Member names carry their unit (frequency_hz, current_a,
// current_pct, dc_link_v, session_s); members whose value is unknown are left out.
std::string sampleJson(const PublishedSample& sample);
// "state" is "online" or "offline"; "dropped_messages" counts the messages the publisher had to
// drop because its queue was full (an hour of samples or a thousand events waiting); "link" holds the
// link's counts once they are known.
std::string statusJson(const PublishedStatus& status, bool online, std::uint64_t droppedMessages,
                       const std::optional<PublishedLinkHealth>& link = std::nullopt);
std::string eventJson(const PublishedEvent& event);

const char* eventName(EventKind kind);

} // namespace orvane
