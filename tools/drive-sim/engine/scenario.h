#pragma once

#include "engine/bytes.h"
#include "engine/models.h"
#include "engine/timeline.h"
#include "engine/trip_history.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace orvane::sim {

// Run state word values.
inline constexpr int kStopped = 0;
inline constexpr int kForward = 1;
inline constexpr int kReverse = 2;

struct ScheduledTrip {
  double at = 0; // seconds of scenario time (within the loop when the scenario loops)
  int code = 0;
  std::string text; // first display line while tripped; empty: made from the code
};

struct StoredTrip {
  int area = 1;
  TripRecord record;
};

// What the simulated drive is and does over time. Frequencies below zero mean
// reverse rotation: the drive reports the magnitude and, unless a run state
// timeline is given, derives the run state from the sign.
struct Scenario {
  Model model = Model::MK410;
  double loopSeconds = 0; // 0: the timelines run once, then hold their last values

  Timeline frequency = Timeline::constant(0);
  Timeline current = Timeline::constant(0);
  std::optional<Timeline> percent; // absent: current / rated current
  std::optional<Timeline> dcLink;  // absent: 325 V (lower class) or 565 V (higher class)
  std::optional<Timeline> runState;
  Timeline inputs = Timeline::constant(0);
  Timeline outputs = Timeline::constant(0);
  Timeline maxFrequency = Timeline::constant(50);

  int voltageClass = 0; // 0 lower, 1 higher
  std::optional<int> sizeCode;
  std::optional<int> modelCode;
  double ratedCurrent = 10; // amperes; the MK410 and profi use their own table
  double runningHours = 40; // at scenario time 0

  std::vector<ScheduledTrip> trips;
  int historyCounter = 0;
  int historyIndex = 0;
  std::vector<StoredTrip> history;

  std::map<std::uint16_t, Bytes> memory; // raw bytes laid over everything else
};

} // namespace orvane::sim
