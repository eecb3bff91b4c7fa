#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orvane {

// A moment of the wall clock and the local zone's offset from UTC at that moment, so that
// a published time says both when it was and which clock on the wall showed it.
struct ClockTime {
  std::int64_t unixMilliseconds = 0;
  std::int32_t utcOffsetSeconds = 0;
};

enum class RotationDirection { forward, reverse };
enum class RunState { running, stopped };

// One sample as published. Only the quantities and indicators ticked in Options are read,
// and a read can fail: whatever was not read is left empty and is absent from the message.
struct PublishedSample {
  ClockTime clockTime;
  double sessionSeconds = 0;
  std::optional<double> frequencyHz;
  std::optional<double> currentAmperes;
  std::optional<double> currentPercent;
  std::optional<double> dcLinkVolts;
  std::optional<bool> tripped;
  std::optional<RotationDirection> direction;
  std::optional<RunState> runState;
  std::optional<std::uint16_t> inputTerminals;
  std::optional<std::uint16_t> outputTerminals;
};

// What the publisher tells about the drive it watches; published retained. Before the drive
// is identified the drive's fields are empty.
struct PublishedStatus {
  std::optional<std::string> model;
  std::optional<double> ratedCurrentAmperes;
  std::optional<double> maximumFrequencyHz;
  std::optional<double> sampleRateSeconds;

  bool operator==(const PublishedStatus&) const = default;
};

// How the link to the drive has fared since the program started: exchanges begun, replies that
// did not come in time, reads tried again, ticks that could not run when due. Part of the status.
struct PublishedLinkHealth {
  std::uint64_t exchanges = 0;
  std::uint64_t timeouts = 0;
  std::uint64_t retries = 0;
  std::uint64_t lateTicks = 0;
};

enum class EventKind { start, trip, failure, reconnection, stop, limit, limitCleared, clockChanged };

// Something that happened to the monitoring: a session started or ended, the drive tripped
// (with its display text and the trip history read then, one decoded line a trip), the link
// failed (with the reason) or came back, a limit began to count or is over (the text starting
// with the limit's name and a colon), the wall clock was set (with the times before and after).
struct PublishedEvent {
  ClockTime clockTime;
  EventKind kind = EventKind::start;
  std::string text;
  std::vector<std::string> tripHistory;
};

} // namespace orvane
