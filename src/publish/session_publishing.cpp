#include "publish/session_publishing.h"

#include "publish/clock_time.h"
#include "publish/published_reading.h"

namespace orvane {
namespace {

EventKind publishedKind(SessionEvent::Kind kind) {
  switch (kind) {
  case SessionEvent::Kind::start:
    return EventKind::start;
  case SessionEvent::Kind::trip:
    return EventKind::trip;
  case SessionEvent::Kind::failure:
    return EventKind::failure;
  case SessionEvent::Kind::reconnection:
    return EventKind::reconnection;
  case SessionEvent::Kind::stop:
    return EventKind::stop;
  case SessionEvent::Kind::limit:
    return EventKind::limit;
  case SessionEvent::Kind::limitCleared:
    return EventKind::limitCleared;
  case SessionEvent::Kind::clockChanged:
    break;
  }
  return EventKind::clockChanged;
}

} // namespace

void SessionPublishing::identified(const SessionDrive& drive) {
  // The same model keeps the rated current it had until a reading says otherwise, so that the
  // window's new start (which learns it only with a reading) does not take it out of the status
  // and put it back a tick later.
  const std::optional<double> kept = status_.model == drive.model ? status_.ratedCurrentAmperes : std::nullopt;
  status_ = PublishedStatus{};
  status_.model = drive.model;
  status_.ratedCurrentAmperes = drive.ratedCurrent ? std::optional<double>(*drive.ratedCurrent) : kept;
  status_.maximumFrequencyHz = drive.maxFrequency;
  status_.sampleRateSeconds = drive.rateTenths / 10.0;
  publisher_.publishStatus(status_);
}

void SessionPublishing::sampled(WallTime when, double sessionSeconds, const Reading& reading) {
  // A six-trip drive's rated current may come with its first current reading.
  if (reading.ratedCurrent && status_.ratedCurrentAmperes != *reading.ratedCurrent) {
    status_.ratedCurrentAmperes = *reading.ratedCurrent;
    publisher_.publishStatus(status_);
  }
  publisher_.publishSample(publishedSample(reading, localClockTime(when), sessionSeconds));
  afterQueued();
}

void SessionPublishing::happened(WallTime when, const SessionEvent& event) {
  publisher_.publishEvent({localClockTime(when), publishedKind(event.kind), event.text, event.tripHistory});
  afterQueued();
}

} // namespace orvane
