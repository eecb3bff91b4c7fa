#include "live_publish/session_publishing.h"

#include "live_publish/published_reading.h"
#include "publish/clock_time.h"

namespace orvane {

void SessionPublishing::started(const SharedState& state) {
  // The same model keeps the rated current it had until a reading says otherwise, so that a new
  // start does not take it out of the status and put it back a tick later.
  const std::optional<double> rated =
      status_.model == state.drive.inverter ? status_.ratedCurrentAmperes : std::nullopt;
  status_ = PublishedStatus{};
  status_.ratedCurrentAmperes = rated;
  status_.model = state.drive.inverter;
  status_.maximumFrequencyHz = state.drive.maxspeed;
  status_.sampleRateSeconds = state.options.value("Slider1") / 10.0;
  publisher_.publishStatus(status_);
  event(EventKind::start);
}

void SessionPublishing::sampled(const Reading& reading, double sessionSeconds) {
  // The window learns a six-trip drive's rated current with its first current reading.
  if (reading.ratedCurrent && status_.ratedCurrentAmperes != *reading.ratedCurrent) {
    status_.ratedCurrentAmperes = *reading.ratedCurrent;
    publisher_.publishStatus(status_);
  }
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
