#pragma once

#include "publish/messages.h"

#include <cstdint>
#include <string>

namespace orvane {

// The payloads of the three topics. Member names carry their unit (frequency_hz, current_a,
// current_pct, dc_link_v, session_s); members whose value is unknown are left out.
std::string sampleJson(const PublishedSample& sample);
// "state" is "online" or "offline"; "dropped_samples" counts the samples the publisher had to
// drop because its queue was full.
std::string statusJson(const PublishedStatus& status, bool online, std::uint64_t droppedSamples);
std::string eventJson(const PublishedEvent& event);

const char* eventName(EventKind kind);

} // namespace orvane
