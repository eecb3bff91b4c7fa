#include "live_publish/session_publishing.h"

#include "live_publish/published_reading.h"
#include "publish/clock_time.h"

namespace orvane {

void SessionPublishing::started(const SharedState& state) {
  PublishedStatus status;
  status.model = state.drive.inverter;
  status.maximumFrequencyHz = state.drive.maxspeed;
  status.sampleRateSeconds = state.options.value("Slider1") / 10.0;
  publisher_.publishStatus(status);
  event(EventKind::start);
}

void SessionPublishing::sampled(const Reading& reading, double sessionSeconds) {
  publisher_.publishSample(publishedSample(reading, localClockTime(now_()), sessionSeconds));
}

void SessionPublishing::tripped(const std::string& displayText) {
  event(EventKind::trip, trimmedDisplay(displayText));
}

void SessionPublishing::stopped() { event(EventKind::stop); }

void SessionPublishing::event(EventKind kind, const std::string& text) {
  PublishedEvent published;
  published.clockTime = localClockTime(now_());
  published.kind = kind;
  published.text = text;
  publisher_.publishEvent(published);
}

} // namespace orvane
