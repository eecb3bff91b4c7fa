#include "logger/logger_publishing.h"

#include "live_publish/published_reading.h"
#include "publish/clock_time.h"

#include <string_view>

namespace orvane {

void LoggerPublishing::identified(const DriveIdentity& identity) {
  PublishedStatus status;
  status.model = identity.model;
  if (identity.ratedCurrent)
    status.ratedCurrentAmperes = *identity.ratedCurrent;
  status.maximumFrequencyHz = identity.maxFrequency;
  status.sampleRateSeconds = rateTenths_ / 10.0;
  publisher_.publishStatus(status);
}

void LoggerPublishing::sampleLogged(WallClock::TimePoint tickStart, double sessionSeconds,
                                    const Reading& reading) {
  publisher_.publishSample(publishedSample(reading, localClockTime(tickStart), sessionSeconds));
  reportHealth();
}

void LoggerPublishing::happened(WallClock::TimePoint when, EventKind kind, const std::string& text,
                                const std::vector<std::string>& tripHistory) {
  publisher_.publishEvent({localClockTime(when), kind, text, tripHistory});
  reportHealth();
}

// The report's lines name MQTT themselves; in a status line the kind says it.
void LoggerPublishing::reportHealth() {
  constexpr std::string_view kPrefix = "MQTT: ";
  for (const std::string& line : report_.update(publisher_.health())) {
    const std::string text = line.starts_with(kPrefix) ? line.substr(kPrefix.size()) : line;
    status_.report(text.substr(0, text.find_first_of("0123456789")), "mqtt", text);
  }
}

} // namespace orvane
